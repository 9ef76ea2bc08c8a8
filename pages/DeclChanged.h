#pragma once
// "The return changed": every control a user can change reports it with a
// direct, synchronous call into the main window. The main window decides
// whether it counts (it does not while a page is being built).
namespace velmar {

class TDeclChangeSink {
public:
    virtual ~TDeclChangeSink() = default;
    virtual void DeclChanged() = 0;
};

// The main window registers itself for its lifetime; nullptr unregisters.
void SetDeclChangeSink(TDeclChangeSink* sink);
TDeclChangeSink* DeclChangeSink();

// Sends the notification when a main window exists; otherwise does nothing.
void SendDeclChanged();

} // namespace velmar
