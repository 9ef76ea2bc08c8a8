#include "platform/qt/HelpViewer.h"

#include "platform/qt/ProgramFolder.h"

#include <QDesktopServices>
#include <QUrl>

namespace velmar {

QString HelpFilePath() { return FindDataFile(QString::fromLatin1(kHelpFileName)); }

bool OpenHelpFile(const QString& path) {
    if (path.isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace velmar
