#include <gtest/gtest.h>

#include <QFile>

#include "core/format_settings.h"
#include "tests/print/print_fixture.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

QString picture(const char* name) {
    return fixture(QStringLiteral("print/pictures/") + QString::fromUtf8(name));
}

// An "image" line: group, x, y, w, h, sizing, preview-only, file.
QString imageLine(const QString& group, const QString& x, const QString& y, const QString& w,
                  const QString& h, const QString& sizing, const QString& previewOnly,
                  const QString& file) {
    return QStringList{group, "0", "0", "0", "image", x, y, w, h, sizing, "0", previewOnly, file}
               .join(u';') +
           u';';
}

class ImageItems : public ::testing::Test {
protected:
    void SetUp() override { fixFormatSettings(); }

    QStringList images(const QString& line, const RenderContext& context) {
        record({line}, context, surface);
        return surface.callsStartingWith("stretchImage");
    }

    RecordingSurface surface;
};

TEST_F(ImageItems, SizingRules) {
    const QString file = picture("picture_400x300.jpg");
    const struct {
        const char* w;
        const char* h;
        const char* sizing;
        bool printer;
        const char* drawn;
    } cases[] = {
        // One of w and h missing: taken from the proportions, in whole mm (40 × 30).
        {"40", "0", "1", false, "stretchImage 37,75,188,188 400x300"},
        {"0", "30", "1", false, "stretchImage 37,75,188,188 400x300"},
        {"33", "0", "1", false, "stretchImage 37,75,161,169 400x300"},  // h = trunc(24.75 + 0.5)
        // Both given.
        {"40", "10", "1", false, "stretchImage 37,75,188,112 400x300"},
        // Natural size: screen pixels at the zoom, or in printer pixels on paper.
        {"40", "10", "0", false, "stretchImage 37,75,437,375 400x300"},
        {"0", "0", "1", false, "stretchImage 37,75,437,375 400x300"},
        {"40", "10", "0", true, "stretchImage 236,472,2736,2347 400x300"},
        {"40", "0", "1", true, "stretchImage 236,472,1180,1180 400x300"},
    };
    for (const auto& c : cases) {
        const QString line = imageLine("0", "10", "20", c.w, c.h, c.sizing, "0", file);
        EXPECT_EQ(images(line, c.printer ? printerOn(surface) : previewOn(surface)),
                  QStringList{c.drawn})
            << c.w << "x" << c.h << " sizing " << c.sizing;
    }
    // At 50 % the natural size halves.
    EXPECT_EQ(images(imageLine("0", "10", "20", "0", "0", "0", "0", file), previewOn(surface, 50)),
              QStringList{"stretchImage 18,37,218,187 400x300"});
}

TEST_F(ImageItems, TheFrameIsARectAroundThePictureDrawnEvenWithoutIt) {
    const QString drawn =
        imageLine("1", "10", "20", "40", "0", "1", "0", picture("picture_400x300.jpg"));
    record({drawn}, previewOn(surface), surface);
    ASSERT_EQ(surface.callsStartingWith("stretchImage").size(), 1);
    // Solid black, width 0: one pixel on the screen; the height the picture took.
    EXPECT_EQ(surface.callsStartingWith("lineTo"),
              (QStringList{"lineTo 188,75", "lineTo 188,188", "lineTo 37,188", "lineTo 188,188"}));
    EXPECT_EQ(surface.callsStartingWith("penWidth"), QStringList{"penWidth 1"});
    EXPECT_EQ(surface.callsStartingWith("penColour").first(), QStringLiteral("penColour 0"));
    record({drawn}, printerOn(surface), surface);
    EXPECT_EQ(surface.callsStartingWith("penWidth"), QStringList{"penWidth 3"});

    const QString missing[] = {
        imageLine("1", "10", "20", "40", "30", "1", "0", picture("none.jpg")),
        imageLine("1", "10", "20", "40", "30", "1", "0", ""),
        imageLine("1", "10", "20", "40", "30", "1", "0", picture("broken.jpg")),
        imageLine("1", "10", "20", "40", "30", "1", "0", picture("preamble_300.jpg")),
        imageLine("1", "10", "20", "40", "30", "1", "0", picture("png_inside.bmp")),
    };
    for (const QString& line : missing) {
        record({line}, previewOn(surface), surface);
        EXPECT_TRUE(surface.callsStartingWith("stretchImage").isEmpty()) << line.toStdString();
        EXPECT_EQ(surface.callsStartingWith("lineTo").size(), 4) << line.toStdString();
    }
    // Only a group of exactly "1" frames.
    record({imageLine("01", "10", "20", "40", "30", "1", "0", picture("none.jpg"))},
           previewOn(surface), surface);
    EXPECT_TRUE(surface.callsStartingWith("lineTo").isEmpty());
}

TEST_F(ImageItems, OnlyExactJpegEndingsTakeTheJpegPath) {
    const QString jpegLine =
        imageLine("0", "10", "20", "40", "0", "1", "0", picture("picture_400x300.jpg"));
    EXPECT_EQ(images(jpegLine, previewOn(surface)).size(), 1);
    // The same bytes named ".Jpg" go to the loader by type, which knows no such bitmap.
    EXPECT_TRUE(
        images(imageLine("0", "10", "20", "40", "0", "1", "0", picture("picture_400x300.Jpg")),
               previewOn(surface))
            .isEmpty());
    test::TempDir dir;
    for (const char* name : {"a.jpeg", "b.JPG", "c.JPEG"}) {
        QFile::copy(picture("picture_400x300.jpg"), dir.file(name));
        EXPECT_EQ(
            images(imageLine("0", "1", "1", "0", "0", "0", "0", dir.file(name)), previewOn(surface))
                .size(),
            1)
            << name;
    }
}

TEST_F(ImageItems, TheJpegDataMayFollowAShortPreamble) {
    EXPECT_EQ(images(imageLine("0", "10", "20", "0", "0", "0", "0", picture("preamble_100.jpg")),
                     previewOn(surface)),
              QStringList{"stretchImage 37,75,77,105 40x30"});
    // Beyond byte 256 the pair is not looked for.
    EXPECT_TRUE(images(imageLine("0", "10", "20", "0", "0", "0", "0", picture("preamble_300.jpg")),
                       previewOn(surface))
                    .isEmpty());
}

TEST_F(ImageItems, BitmapsAndPreviewOnlyPictures) {
    const QString bmp =
        imageLine("0", "10", "20", "0", "0", "0", "1", picture("picture_64x48.bmp"));
    EXPECT_EQ(images(bmp, previewOn(surface)), QStringList{"stretchImage 37,75,101,123 64x48"});
    EXPECT_TRUE(images(bmp, printerOn(surface)).isEmpty());
    // A preview-only picture's frame is not preview-only.
    const QString framed =
        imageLine("1", "10", "20", "10", "10", "1", "1", picture("picture_64x48.bmp"));
    record({framed}, printerOn(surface), surface);
    EXPECT_TRUE(surface.callsStartingWith("stretchImage").isEmpty());
    EXPECT_EQ(surface.callsStartingWith("lineTo").size(), 4);
}

}  // namespace
