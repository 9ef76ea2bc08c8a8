#include "app/StartForm.h"

#include "platform/qt/JpegDecoder.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace velmar {

QImage StartPicture(QString* error) {
    QFile file(QStringLiteral(":/velmar/splash.jpg"));
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("the start picture is missing from the resources");
        return {};
    }
    return DecodeJpeg(file.readAll(), error);
}

TfmStart::TfmStart(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      picture_(StartPicture()), tmStartTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("fmStart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    tmStartTimer_->setObjectName(QStringLiteral("tmStartTimer"));
    tmStartTimer_->setInterval(kShowMilliseconds);
    // A coarse timer may fire a little early; the start window stays its full time.
    tmStartTimer_->setTimerType(Qt::PreciseTimer);
    connect(tmStartTimer_, &QTimer::timeout, this, &TfmStart::tmStartTimerTimer);
    tmStartTimer_->start();
}

bool TfmStart::TimerActive() const { return tmStartTimer_->isActive(); }

void TfmStart::tmStartTimerTimer() {
    tmStartTimer_->stop();
    emit finished();
}

void TfmStart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!picture_.isNull()) {
        p.drawImage(rect(), picture_);
        return;
    }
    // Without its picture the start window still names the program.
    p.fillRect(rect(), QColor(0x1d, 0x3f, 0x6e));
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(30);
    font.setBold(true);
    p.setFont(font);
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Velmar 2015"));
}

} // namespace velmar
