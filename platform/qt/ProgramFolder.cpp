#include "platform/qt/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velmar {

QString ProgramFolder() {
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QStringList DataFolders() {
    const QString program = ProgramFolder();
    // An installed program keeps its data under <prefix>/share/velmar while the
    // executable sits in <prefix>/bin.
    const QString installed = QDir::cleanPath(program + QStringLiteral("../share/velmar")) + QLatin1Char('/');
    return {program, installed};
}

QString FindDataFile(const QString& name) {
    for (const QString& folder : DataFolders()) {
        QFileInfo info(folder + name);
        if (info.isFile())
            return info.absoluteFilePath();
    }
    return {};
}

} // namespace velmar
