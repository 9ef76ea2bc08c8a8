#pragma once
// A problem shown in a check-message window and the answers it can get.
#include <QString>

#include <functional>

namespace velmar {

// Modal results of the check-message windows.
enum TCheckAnswer : int {
    kCheckClosed = 0,   // the window was closed without a button
    kCheckFix = 6,      // "Исправить"
    kCheckSkip = 7,     // "Пропустить" (in `TfmCheckAllError`: "Отмена")
    kCheckSkipAll = 9,  // "Пропустить все"
};

struct TCheckRequest {
    QString section; // the window's caption is "Проверка: " + section
    QString message;
    bool skipEnabled = true;
    bool skipAllEnabled = true;
};

// Shows one problem and returns the answer (one of the values above).
using TCheckAsk = std::function<int(const TCheckRequest&)>;

// What a closed window counts as: Skip where Skip is offered, otherwise Fix,
// so that closing the window never lets a problem through that cannot be skipped.
int effectiveAnswer(int answer, bool skipEnabled);

} // namespace velmar
