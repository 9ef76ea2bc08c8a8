#include "platform/qt/ProgramFolder.h"

#include "platform/UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
    // A tax-office directory rebuilt from the classifier is written to the
    // user's data folder (the program folder may not be writable), so that
    // folder is looked in first.
    const std::filesystem::path user = userDataFolder();
    if (user.empty())
        return {program, installed};
    return {QDir::cleanPath(QFile::decodeName(user.string().c_str())) + QLatin1Char('/'), program, installed};
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
