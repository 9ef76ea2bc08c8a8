#include "pages/DeclChanged.h"

namespace velmar {
namespace {
TDeclChangeSink* gSink = nullptr; // user-interface thread only
}

void SetDeclChangeSink(TDeclChangeSink* sink) { gSink = sink; }
TDeclChangeSink* DeclChangeSink() { return gSink; }

void SendDeclChanged() {
    if (gSink)
        gSink->DeclChanged();
}

} // namespace velmar
