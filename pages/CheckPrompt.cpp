#include "pages/CheckPrompt.h"

namespace velmar {

int effectiveAnswer(int answer, bool skipEnabled) {
    if (answer == kAnswerFix || answer == kAnswerSkip || answer == kAnswerSkipAll)
        return answer;
    return skipEnabled ? kAnswerSkip : kAnswerFix;
}

} // namespace velmar
