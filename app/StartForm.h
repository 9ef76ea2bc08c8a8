#pragma once
// The start window: the program's picture, borderless, centred, shown while
// the main window is being built and for at least three seconds.
#include <QImage>
#include <QWidget>

class QTimer;

namespace velmar {

class TfmStart : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 460;
    static constexpr int kHeight = 104;
    static constexpr int kShowMilliseconds = 3000;

    explicit TfmStart(QWidget* parent = nullptr);

    // False once the timer has fired.
    bool TimerActive() const;
    QTimer* tmStartTimer() const { return tmStartTimer_; }
    // The decoded picture; null when the built-in picture could not be read.
    const QImage& Picture() const { return picture_; }

signals:
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void tmStartTimerTimer();

    QImage picture_;
    QTimer* tmStartTimer_;
};

// The start picture decoded from the program's resources with libjpeg.
QImage StartPicture(QString* error = nullptr);

} // namespace velmar
