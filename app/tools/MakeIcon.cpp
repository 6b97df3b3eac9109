// Paints the Quorrix icon (a chip with a merge arrow) at the sizes a desktop asks for:
// quorrix-make-icon OUTPUT_FOLDER
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

QImage PaintIcon(int nSize) {
    QImage image(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(nSize / 64.0, nSize / 64.0);
    // pins
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB0, 0xB8, 0xC0));
    for (int i = 0; i < 4; ++i) {
        p.drawRect(QRectF(16 + i * 9, 2, 5, 10));
        p.drawRect(QRectF(16 + i * 9, 52, 5, 10));
        p.drawRect(QRectF(2, 16 + i * 9, 10, 5));
        p.drawRect(QRectF(52, 16 + i * 9, 10, 5));
    }
    // body
    p.setBrush(QColor(0x1F, 0x4E, 0x79));
    p.drawRoundedRect(QRectF(10, 10, 44, 44), 6, 6);
    // two blocks merging into one
    p.setBrush(QColor(0xF2, 0xA9, 0x00));
    p.drawRoundedRect(QRectF(17, 18, 12, 9), 2, 2);
    p.setBrush(QColor(0x6F, 0xC2, 0x76));
    p.drawRoundedRect(QRectF(35, 18, 12, 9), 2, 2);
    p.setBrush(Qt::white);
    QPainterPath arrow;
    arrow.moveTo(23, 29);
    arrow.lineTo(41, 29);
    arrow.lineTo(32, 38);
    arrow.closeSubpath();
    p.drawPath(arrow);
    p.setBrush(QColor(0xF2, 0xA9, 0x00));
    p.drawRoundedRect(QRectF(20, 40, 12, 8), 2, 2);
    p.setBrush(QColor(0x6F, 0xC2, 0x76));
    p.drawRoundedRect(QRectF(32, 40, 12, 8), 2, 2);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) return 2;
    for (int nSize : {16, 24, 32, 48, 64, 128, 256}) {
        if (!PaintIcon(nSize).save(QStringLiteral("%1/quorrix-%2.png").arg(argv[1]).arg(nSize)))
            return 1;
    }
    return 0;
}
