#include "pages/CheckPrompt.h"

namespace velmar {

int effectiveAnswer(int answer, bool skipEnabled) {
    if (answer == kCheckFix || answer == kCheckSkip || answer == kCheckSkipAll)
        return answer;
    return skipEnabled ? kCheckSkip : kCheckFix;
}

} // namespace velmar
