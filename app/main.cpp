// The program: the start window, then the main window built behind it; the
// start window stays at least its three seconds.
#include "app/Main.h"
#include "app/MainRules.h"
#include "app/Resources.h"
#include "app/StartForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStyleFactory>

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(velmar::kProgramTitle));
    QApplication::setOrganizationName(QStringLiteral("Ortivex"));
    QApplication::setApplicationVersion(QStringLiteral(VELMAR_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    InitVelmarResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmar/velmar.png")));
    // VELMAR_STARTUP_TIMING=1 prints how long the main window takes to be ready.
    const bool timing = qEnvironmentVariableIntValue("VELMAR_STARTUP_TIMING") == 1;

    auto start = std::make_unique<velmar::TfmStart>();
    start->show();
    start->repaint();
    QApplication::processEvents();
    const qint64 startShown = clock.elapsed();

    velmar::TFormMain::Options options;
    options.arguments = QApplication::arguments().mid(1);
    velmar::TFormMain main(options);
    const qint64 mainBuilt = clock.elapsed();

    if (start->TimerActive()) {
        QEventLoop wait;
        QObject::connect(start.get(), &velmar::TfmStart::finished, &wait, &QEventLoop::quit);
        wait.exec();
    }
    start->hide();
    start.reset();

    QElapsedTimer showing;
    showing.start();
    main.show();
    main.repaint();
    QApplication::processEvents();
    const qint64 shown = showing.elapsed();
    if (timing)
        std::fprintf(stderr,
                     "velmar: start window after %lld ms; main window built after %lld ms; shown in %lld ms; "
                     "ready without the start window's wait: %lld ms\n",
                     static_cast<long long>(startShown), static_cast<long long>(mainBuilt),
                     static_cast<long long>(shown), static_cast<long long>(mainBuilt + shown));
    return QApplication::exec();
}
