#pragma once
// What any text field may hold: the return is stored in Windows-1251, so a
// character without a form there, or a control character, can never be saved.
#include <QChar>
#include <QStringView>

namespace velmar {

bool isStorableChar(QChar ch);
bool isStorableText(QStringView text);

} // namespace velmar
