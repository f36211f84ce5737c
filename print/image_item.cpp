#include <QFileInfo>
#include <QImage>

#include "print/page_drawing.h"
#include "print/style_picture.h"

// The "image" kind: a JPEG or bitmap picture, at its own size or fitted to a
// width and height, with an optional frame.

namespace tallyrix {
namespace {

struct ImageItem {
    Decimal4 x, y, width, height;
    int sizing = 0;
    int previewOnly = 0;
    QString file;
    bool framed = false;
};

ImageItem readImageItem(const StyleFields& f) {
    ImageItem item;
    item.x = f.decimal(6);
    item.y = f.decimal(7);
    item.width = f.decimal(8);
    item.height = f.decimal(9);
    item.sizing = f.integerOr0(10);
    f.integerOr0(11);
    item.previewOnly = f.integerOr0(12);
    item.file = f.text(13);
    item.framed = f.text(1) == QLatin1String("1");
    return item;
}

int scaled(int pixels, int numerator, int denominator) {
    return denominator > 0 ? static_cast<int>(static_cast<qint64>(pixels) * numerator / denominator)
                           : 0;
}

// The picture's size on the device. A missing width or height follows the
// picture's proportions, in whole millimetres, and is written back to the item.
QSize deviceSize(const PageDrawing& page, ImageItem& item, const QImage& picture) {
    const RenderContext& c = page.context();
    if (item.sizing == 0 || (item.width.isZero() && item.height.isZero())) {
        // Picture pixels count as screen pixels.
        if (page.printer()) {
            return {scaled(picture.width(), c.printerResolutionX, c.screenResolutionX),
                    scaled(picture.height(), c.printerResolutionY, c.screenResolutionY)};
        }
        return {scaled(picture.width(), c.zoomPercent, 100),
                scaled(picture.height(), c.zoomPercent, 100)};
    }
    if (item.height.isZero()) {
        item.height = Decimal4::fromInt(static_cast<std::int64_t>(
            item.width.toDouble() * picture.height() / picture.width() + 0.5));
    } else if (item.width.isZero()) {
        item.width = Decimal4::fromInt(static_cast<std::int64_t>(
            item.height.toDouble() * picture.width() / picture.height() + 0.5));
    }
    return {item.width.timesTruncated(c.scaleX), item.height.timesTruncated(c.scaleY)};
}

}  // namespace

void drawImageItem(PageDrawing& page, const StyleFields& fields) {
    ImageItem item = readImageItem(fields);
    const bool wanted =
        !item.file.isEmpty() && !page.skips(item.previewOnly) && QFileInfo::exists(item.file);
    const QImage picture = wanted ? loadStylePicture(item.file) : QImage();
    if (!picture.isNull()) {
        const QSize size = deviceSize(page, item, picture);
        const QPoint at = page.point(item.x, item.y);
        page.surface().stretchImage({at.x(), at.y(), at.x() + size.width(), at.y() + size.height()},
                                    picture);
    }
    if (item.framed) {
        // Also around a picture that could not be drawn: a solid black "rect",
        // width 0 plus the printer's addition.
        const QString frame =
            QStringLiteral("1;0;0;0;rect;%1;%2;%3;%4;0;実線;枠;0;0;")
                .arg(item.x.toString(), item.y.toString(), (item.x + item.width).toString(),
                     (item.y + item.height).toString());
        drawRectItem(page, StyleFields(frame));
    }
}

}  // namespace tallyrix
