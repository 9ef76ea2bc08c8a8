#include "app/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace velmar {
namespace {

const QColor kInk(0x34, 0x47, 0x5c);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kBlue(0x2f, 0x6d, 0xb5);
const QColor kGreen(0x2e, 0x9d, 0x4f);
const QColor kAmber(0xe3, 0xa8, 0x2b);
const QColor kOrange(0xd4, 0x66, 0x1f);

// A sheet of paper with a folded corner on a 32-unit grid.
void drawSheet(QPainter& p, QRectF r = QRectF(7, 3, 18, 26)) {
    const qreal fold = 6;
    QPainterPath sheet;
    sheet.moveTo(r.left(), r.top());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.right(), r.bottom());
    sheet.lineTo(r.left(), r.bottom());
    sheet.closeSubpath();
    p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kPaper);
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(QColor(0xdd, 0xe4, 0xec));
    p.drawPath(corner);
}

void drawLines(QPainter& p, qreal left, qreal top, qreal width, int count) {
    p.setPen(QPen(QColor(0xa9, 0xb6, 0xc4), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * 4), QPointF(left + width - (i % 2) * 3, top + i * 4));
}

void paint(QPainter& p, TToolIcon kind) {
    switch (kind) {
    case TToolIcon::Create:
        drawSheet(p);
        drawLines(p, 10, 12, 9, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawEllipse(QPointF(23, 23), 7, 7);
        p.setPen(QPen(kPaper, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(23, 19), QPointF(23, 27));
        p.drawLine(QPointF(19, 23), QPointF(27, 23));
        break;
    case TToolIcon::Open: {
        p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath back;
        back.moveTo(3, 8);
        back.lineTo(12, 8);
        back.lineTo(15, 11);
        back.lineTo(27, 11);
        back.lineTo(27, 26);
        back.lineTo(3, 26);
        back.closeSubpath();
        p.setBrush(kAmber.darker(115));
        p.drawPath(back);
        QPainterPath front;
        front.moveTo(3, 26);
        front.lineTo(7, 15);
        front.lineTo(30, 15);
        front.lineTo(27, 26);
        front.closeSubpath();
        p.setBrush(kAmber.lighter(120));
        p.drawPath(front);
        break;
    }
    case TToolIcon::Save:
        p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawRect(QRectF(18, 6, 3, 5));
        p.setBrush(QColor(0xe8, 0xee, 0xf5));
        p.drawRoundedRect(QRectF(8, 17, 16, 9), 1.5, 1.5);
        break;
    case TToolIcon::Preview:
        drawSheet(p, QRectF(5, 3, 17, 24));
        drawLines(p, 8, 11, 9, 3);
        p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(QColor(0xd7, 0xe8, 0xfa, 220));
        p.drawEllipse(QPointF(20, 19), 5.5, 5.5);
        p.setPen(QPen(kInk, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24.2, 23.2), QPointF(28.5, 27.5));
        break;
    case TToolIcon::Print:
        p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(0x5b, 0x6c, 0x80));
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 3, 3);
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 19, 14, 10));
        drawLines(p, 12, 23, 8, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen.lighter(130));
        p.drawEllipse(QPointF(25, 16), 1.4, 1.4);
        break;
    case TToolIcon::Export:
        drawSheet(p);
        p.setPen(QPen(kOrange, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(13, 13), QPointF(10, 17), QPointF(13, 21)}));
        p.drawPolyline(QPolygonF({QPointF(19, 13), QPointF(22, 17), QPointF(19, 21)}));
        p.drawLine(QPointF(17.2, 12), QPointF(14.8, 22));
        break;
    case TToolIcon::Check:
        drawSheet(p);
        drawLines(p, 10, 10, 9, 2);
        p.setPen(QPen(kGreen, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(11, 20), QPointF(15, 24), QPointF(24, 14)}));
        break;
    }
}

} // namespace

QIcon ToolIcon(TToolIcon kind) {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        paint(p, kind);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace velmar
