#include "flip_pictures.h"

#include "outline_box.h"

#include <QBitmap>
#include <QPainter>

namespace {

const QColor FlipBackground(0, 128, 0);
const QColor FlipOutline(128, 128, 128);

// The bar: two boxes side by side, right and bottom edges excluded.
constexpr int BarLeft = 42;
constexpr int BarMiddle = 47;
constexpr int BarRight = 52;
constexpr int BarTop = 4;
constexpr int BarBottom = 88;

}  // namespace

QImage drawFlipPicture(QSize size, const QColor& left, const QColor& right)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) picture.setPixelColor(x, y, FlipBackground);

    QPainter painter(&picture);
    painter.setPen(QPen(FlipOutline, 1, Qt::SolidLine));
    painter.setBrush(left);
    painter.drawRect(outlineBox(BarLeft, BarTop, BarMiddle, BarBottom));
    painter.setBrush(right);
    painter.drawRect(outlineBox(BarMiddle, BarTop, BarRight, BarBottom));
    return picture;
}

QPixmap transparentByBottomLeftPixel(const QImage& picture)
{
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setMask(pixmap.createMaskFromColor(picture.pixelColor(0, picture.height() - 1), Qt::MaskInColor));
    return pixmap;
}
