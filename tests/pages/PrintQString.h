#pragma once
// Readable QString values in GoogleTest failure messages.
#include <QString>

#include <optional>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace velmar {
inline std::string shown(const std::optional<QString>& text) {
    return text ? '"' + text->toStdString() + '"' : std::string("(refused)");
}
} // namespace velmar
