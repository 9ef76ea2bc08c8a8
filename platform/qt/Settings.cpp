#include "platform/qt/Settings.h"

#include <QSettings>

namespace velmar {

TDisplaySettings ReadDisplaySettings() {
    QSettings s(QStringLiteral("Ortivex"), QStringLiteral("Velmar 2015"));
    TDisplaySettings result;
    result.ShowStdToolbar = s.value(QStringLiteral("ShowStdToolbar"), true).toBool();
    result.TextLabels = s.value(QStringLiteral("TextLabels"), true).toBool();
    return result;
}

void WriteShowStdToolbar(bool value) {
    QSettings s(QStringLiteral("Ortivex"), QStringLiteral("Velmar 2015"));
    s.setValue(QStringLiteral("ShowStdToolbar"), value);
}

void WriteTextLabels(bool value) {
    QSettings s(QStringLiteral("Ortivex"), QStringLiteral("Velmar 2015"));
    s.setValue(QStringLiteral("TextLabels"), value);
}

void WriteWindowPlacement(bool fullScreen, const QRect& geometry) {
    QSettings s(QStringLiteral("Ortivex"), QStringLiteral("Velmar 2015"));
    s.setValue(QStringLiteral("FullScreen"), fullScreen);
    s.setValue(QStringLiteral("wLeft"), geometry.left());
    s.setValue(QStringLiteral("wTop"), geometry.top());
    s.setValue(QStringLiteral("wWidth"), geometry.width());
    s.setValue(QStringLiteral("wHeight"), geometry.height());
}

} // namespace velmar
