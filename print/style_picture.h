#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tallyrix {

// The picture of an "image" item. Names ending exactly in ".jpg", ".jpeg",
// ".JPG" or ".JPEG" are JPEG files whose data starts at the first FF D8 pair
// among the byte offsets 0 to 256; names ending in ".bmp" (any case) are
// Windows bitmaps. Anything else, a missing file and a picture that does not
// decode give a null image.
QImage loadStylePicture(const QString& path);

// Decodes JPEG data with libjpeg-turbo. Broken data gives a null image; it
// never ends the process.
QImage decodeJpeg(const QByteArray& data);

}  // namespace tallyrix
