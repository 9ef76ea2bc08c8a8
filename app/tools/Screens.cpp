// Pictures of the main window in a few states, for looking at the layout
// without a desktop: QT_QPA_PLATFORM=offscreen velmar_screens OUTPUT_FOLDER
#include "app/Main.h"
#include "app/Resources.h"
#include "pages/CheckError.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleFactory>

#include <cstdio>

namespace {

using namespace velmar;

// Answers every question without a window.
class SilentDialogs : public TUserDialogs {
public:
    Answer AskYesNoCancel(QWidget*, const QString&) override { return Answer::No; }
    bool AskYesNo(QWidget*, const QString&) override { return true; }
    void ShowError(QWidget*, const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    void ShowInfo(QWidget*, const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    QString OpenFileName(QWidget*) override { return {}; }
    QString SaveFileName(QWidget*) override { return {}; }
    QString FolderName(QWidget*) override { return {}; }
    int AskCheck(QWidget*, const TCheckRequest&) override { return kAnswerFix; }
    int AskCheckAll(QWidget*, const TCheckRequest&) override { return kAnswerFix; }
    void ShowAbout(QWidget*) override {}
    bool OpenHelp(const QString&) override { return false; }
};

void save(QWidget& widget, const QString& path) {
    QApplication::processEvents();
    if (!widget.grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    InitVelmarResources();
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmar_screens OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    SilentDialogs dialogs;
    TFormMain::Options options;
    options.dialogs = &dialogs;
    TFormMain main(options);
    main.show();

    main.resize(1000, 700);
    save(main, out + QStringLiteral("main-default.png"));
    main.resize(TFormMain::kMinimumWidth, TFormMain::kMinimumHeight);
    save(main, out + QStringLiteral("main-minimum.png"));
    main.resize(1280, 860);
    save(main, out + QStringLiteral("main-maximised.png"));

    main.resize(1000, 700);
    main.findChild<QRadioButton*>(QStringLiteral("rb4ndfl"))->click();
    main.findChild<QRadioButton*>(QStringLiteral("rbGiveByMail"))->click();
    save(main, out + QStringLiteral("main-4ndfl.png"));

    main.findChild<QLineEdit*>(QStringLiteral("meInspection"))->setText(QStringLiteral("7701"));
    main.findChild<QRadioButton*>(QStringLiteral("rbGiveSelf"))->click();
    main.PageButton(TPageId::PersonData)->click();
    save(main, out + QStringLiteral("main-placeholder.png"));

    TfmCheckError check({QStringLiteral("Задание условий"), QStringLiteral("Не введен номер инспекции"), true, true});
    check.show();
    save(check, out + QStringLiteral("check-error.png"));
    return 0;
}
