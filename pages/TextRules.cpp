#include "pages/TextRules.h"

#include "platform/CodePage.h"

#include <QString>

namespace velmar {

bool isStorableChar(QChar ch) {
    if (ch.unicode() < 0x20 || ch.unicode() == 0x7F || ch.category() == QChar::Other_Control)
        return false;
    if (ch.unicode() < 0x80)
        return true;
    if (ch.isSurrogate())
        return false;
    return utf8ToCp1251(QString(ch).toStdString()).has_value();
}

bool isStorableText(QStringView text) {
    for (QChar ch : text)
        if (!isStorableChar(ch))
            return false;
    return true;
}

} // namespace velmar
