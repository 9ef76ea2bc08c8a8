// Draws the program's pictures once: the start-window picture (a JPEG the
// program decodes with libjpeg) and the program icon. Run by hand when the
// artwork changes, with the resources folder as argument:
//   QT_QPA_PLATFORM=offscreen velmar_make_artwork app/resources
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

#include <jpeglib.h>

namespace {

const QColor kDeep(0x14, 0x33, 0x5c);
const QColor kBright(0x2b, 0x6e, 0xb4);
const QColor kAccent(0xf0, 0xb4, 0x29);
const QColor kGreen(0x2e, 0xa0, 0x55);

// The emblem: a return (a sheet with a folded corner and lines) with a check
// mark, inside a rounded square, on a `size`-unit box at the origin.
void drawEmblem(QPainter& p, qreal size, bool onDark) {
    p.save();
    p.scale(size / 100.0, size / 100.0);
    QLinearGradient tile(0, 0, 100, 100);
    tile.setColorAt(0, onDark ? QColor(255, 255, 255, 46) : kBright);
    tile.setColorAt(1, onDark ? QColor(255, 255, 255, 20) : kDeep);
    p.setPen(onDark ? QPen(QColor(255, 255, 255, 90), 1.5) : Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, 96, 96), 20, 20);

    QPainterPath sheet;
    sheet.moveTo(27, 16);
    sheet.lineTo(60, 16);
    sheet.lineTo(75, 31);
    sheet.lineTo(75, 84);
    sheet.lineTo(27, 84);
    sheet.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(60, 16);
    corner.lineTo(60, 31);
    corner.lineTo(75, 31);
    corner.closeSubpath();
    p.setBrush(QColor(0xc9, 0xd8, 0xea));
    p.drawPath(corner);
    p.setPen(QPen(QColor(0x9d, 0xb3, 0xcc), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(35, 38), QPointF(55, 38));
    p.drawLine(QPointF(35, 48), QPointF(66, 48));
    p.drawLine(QPointF(35, 58), QPointF(60, 58));

    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(70, 73), 17, 17);
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(62, 73), QPointF(68, 79), QPointF(79, 66)}));
    p.restore();
}

QImage splash() {
    QImage image(460, 104, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient background(0, 0, 460, 104);
    background.setColorAt(0, kDeep);
    background.setColorAt(1, kBright);
    p.fillRect(image.rect(), background);
    // A soft light band across the picture.
    QLinearGradient sheen(0, 0, 0, 104);
    sheen.setColorAt(0, QColor(255, 255, 255, 26));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), sheen);
    p.fillRect(QRect(0, 100, 460, 4), kAccent);

    p.save();
    p.translate(18, 14);
    drawEmblem(p, 72, true);
    p.restore();

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(34);
    title.setBold(true);
    title.setLetterSpacing(QFont::PercentageSpacing, 101);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QPointF(108, 52), QStringLiteral("Velmar 2015"));

    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(14);
    p.setFont(subtitle);
    p.setPen(QColor(0xdc, 0xe8, 0xf6));
    p.drawText(QPointF(110, 78), QStringLiteral("Декларации 3-НДФЛ и 4-НДФЛ за 2015 год"));
    p.end();
    return image;
}

QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawEmblem(p, size, false);
    p.end();
    return image;
}

bool writeJpeg(const QImage& source, const char* path, int quality) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Full-resolution colour keeps the thin letters and the accent line clean.
    for (int i = 0; i < info.num_components; ++i)
        info.comp_info[i].h_samp_factor = info.comp_info[i].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmar_make_artwork RESOURCE_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    bool ok = writeJpeg(splash(), QString(folder + QStringLiteral("splash.jpg")).toLocal8Bit().constData(), 93);
    ok = icon(256).save(folder + QStringLiteral("velmar.png")) && ok;
    ok = icon(48).save(folder + QStringLiteral("velmar-48.png")) && ok;
    if (!ok)
        std::fprintf(stderr, "could not write the pictures\n");
    return ok ? 0 : 1;
}
