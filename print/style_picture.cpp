#include "print/style_picture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace tallyrix {
namespace {

// The JPEG path is taken for these endings only, written exactly so.
bool hasJpegEnding(const QString& fileName) {
    for (const char* ending : {".jpg", ".jpeg", ".JPG", ".JPEG"}) {
        if (fileName.endsWith(QLatin1String(ending), Qt::CaseSensitive)) {
            return true;
        }
    }
    return false;
}

// Files beyond this size are not pictures a page can hold.
constexpr qint64 kMaxPictureBytes = 256LL * 1024 * 1024;

QImage loadJpeg(const QString& path) {
    QFile file(path);
    if (file.size() > kMaxPictureBytes || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    // The data may follow a short preamble: the first FF D8 among offsets 0..256.
    for (qsizetype offset = 0; offset <= 256 && offset + 1 < bytes.size(); ++offset) {
        if (static_cast<uchar>(bytes[offset]) == 0xFF &&
            static_cast<uchar>(bytes[offset + 1]) == 0xD8) {
            return decodeJpeg(bytes.mid(offset));
        }
    }
    return {};
}

QImage loadBitmap(const QString& path) {
    QImageReader reader(path, "bmp");
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

}  // namespace

QImage loadStylePicture(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        return {};
    }
    const QString name = info.fileName();
    if (hasJpegEnding(name)) {
        return loadJpeg(path);
    }
    if (name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)) {
        return loadBitmap(path);
    }
    return {};
}

}  // namespace tallyrix
