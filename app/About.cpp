#include "app/About.h"

#include "app/StartForm.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmar {

TfmAbout::TfmAbout(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("О программе"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 14);
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap::fromImage(StartPicture()));
    picture->setFixedSize(TfmStart::kWidth, TfmStart::kHeight);
    layout->addWidget(picture);
    auto* text = new QLabel(this);
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral("<p style='margin:0'><b>Velmar 2015</b>, версия %1</p>"
                                 "<p>Подготовка налоговых деклараций 3-НДФЛ (в том числе нерезидента) "
                                 "и 4-НДФЛ физических лиц за 2015 год.</p>"
                                 "<p style='margin-bottom:0'>© Ortivex</p>")
                      .arg(QCoreApplication::applicationVersion()));
    text->setWordWrap(true);
    text->setContentsMargins(18, 10, 18, 4);
    layout->addWidget(text);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    buttons->setContentsMargins(18, 0, 18, 0);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace velmar
