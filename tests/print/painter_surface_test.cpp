#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include "core/format_settings.h"
#include "print/painter_surface.h"
#include "print/style_fonts.h"
#include "print/style_page.h"
#include "print/style_picture.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;

namespace {

class FontsEnvironment : public ::testing::Environment {
public:
    void SetUp() override { installStyleFonts(); }
};
const auto* const kFonts = ::testing::AddGlobalTestEnvironment(new FontsEnvironment);

constexpr QRgb kWhitePixel = 0xFFFFFFFF;

// Renders style lines on a 96 dpi image at 100 %, white unless told.
QImage render(const QStringList& lines, QSize size = {400, 200}, QColor background = Qt::white) {
    fixFormatSettings();
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    PainterSurface surface(painter, {96, 96});
    renderStylePage(lines, RenderContext::preview(surface, 96, 96, 100, 600, 600));
    return image;
}

bool isInk(QRgb pixel) {
    return pixel != kWhitePixel;
}

TEST(StyleFonts, WindowsFacesResolveToTheIpaFonts) {
    const struct {
        const char* face;
        const char* family;
    } cases[] = {
        {"ＭＳ 明朝", "IPAMincho"},    {"ＭＳ ゴシック", "IPAGothic"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"}, {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"メイリオ", "IPAexGothic"},   {"MS Mincho", "IPAMincho"},
    };
    for (const auto& c : cases) {
        QFont font(QString::fromUtf8(c.face));
        font.setPixelSize(20);
        EXPECT_EQ(QFontInfo(font).family(), QString::fromUtf8(c.family)) << c.face;
    }
}

TEST(PainterSurface, AGlyphShapeFillPaintsInsideTheGlyphsOnly) {
    // "口" in filled-bold mode, red, at (10, 10) mm, 40 pt.
    const QImage image =
        render({"0;0;0;0;char;10;10;0;0;0;0;0;0;ＭＳ ゴシック;40;標準;1;0;255;口;0;0;0;"});
    int red = 0, other = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (p == kWhitePixel) {
                continue;
            }
            // Inside the glyph: red (edge pixels blend red into white, never another hue).
            if (qRed(p) == 255 && qGreen(p) == qBlue(p)) {
                ++red;
            } else {
                ++other;
            }
        }
    }
    EXPECT_GT(red, 500);
    EXPECT_EQ(other, 0);
    // The middle of "口" is its counter: left unpainted though inside the text box.
    const int cx = 37 + 27, cy = 37 + 30;
    EXPECT_EQ(image.pixel(cx, cy), kWhitePixel);
    // The left stroke is painted on the same row.
    bool stroke = false;
    for (int x = 37; x < cx; ++x) {
        stroke = stroke || image.pixel(x, cy) == qRgb(255, 0, 0);
    }
    EXPECT_TRUE(stroke);
}

TEST(PainterSurface, AGradientFillsTheGlyphsFromTheColourToBlack) {
    const QImage image =
        render({"0;0;0;0;char;10;10;0;0;0;0;0;0;ＭＳ ゴシック;40;標準;2;0;255;■;0;0;0;"});
    // Down a column through the square the red channel only falls.
    int previous = 256, seen = 0;
    for (int y = 30; y < 120; ++y) {
        const QRgb p = image.pixel(64, y);
        if (p == kWhitePixel) {
            continue;
        }
        EXPECT_LE(qRed(p), previous) << y;
        EXPECT_EQ(qGreen(p), 0);
        previous = qRed(p);
        ++seen;
    }
    EXPECT_GT(seen, 20);
    EXPECT_LT(previous, 80);
}

// Which pixels of an 8 × 8 cell in the middle of the fill are white: the hatch
// takes the brush colour a fresh surface has, drawn here on black.
QString cellOf(const QImage& image, int left, int top) {
    QString cell;
    for (int y = top; y < top + 8; ++y) {
        for (int x = left; x < left + 8; ++x) {
            cell += image.pixel(x, y) == kWhitePixel ? u'#' : u'.';
        }
        cell += u'|';
    }
    return cell;
}

TEST(PainterSurface, TheSixHatchesDrawOnlyTheirLines) {
    const struct {
        const char* name;
        bool (*ink)(int x, int y);  // relative to some phase
    } hatches[] = {
        {"水平", [](int, int y) { return y == 0; }},
        {"垂直", [](int x, int) { return x == 0; }},
        {"右斜線", [](int x, int y) { return x == y; }},            // "\": down from left to right
        {"左斜線", [](int x, int y) { return (x + y) % 8 == 7; }},  // "/": up from left to right
        {"垂直十字", [](int x, int y) { return x == 0 || y == 0; }},
        {"斜十字", [](int x, int y) { return x == y || (x + y) % 8 == 7; }},
    };
    for (const auto& h : hatches) {
        const QImage image =
            render({QStringLiteral("1;0;0;0;fillrect;5;5;40;40;%1;0;0;0;").arg(h.name)}, {200, 200},
                   Qt::black);
        // Some shift of the 8 × 8 pattern must match the cell exactly.
        const QString cell = cellOf(image, 64, 64);
        bool matched = false;
        for (int dx = 0; dx < 8 && !matched; ++dx) {
            for (int dy = 0; dy < 8 && !matched; ++dy) {
                QString expected;
                for (int y = 0; y < 8; ++y) {
                    for (int x = 0; x < 8; ++x) {
                        expected += h.ink((x + dx) % 8, (y + dy) % 8) ? u'#' : u'.';
                    }
                    expected += u'|';
                }
                matched = cell == expected;
            }
        }
        EXPECT_TRUE(matched) << h.name << " " << cell.toStdString();
        // Gaps keep the background: the hatch has none of its own.
        int ink = 0;
        for (QChar c : cell) {
            ink += c == u'#';
        }
        EXPECT_LE(ink, 16) << h.name;
        // Outside the rectangle nothing.
        EXPECT_EQ(image.pixel(160, 160), qRgb(0, 0, 0)) << h.name;
    }
}

TEST(PainterSurface, ASolidAndAClearBrush) {
    const QImage white = render({"1;0;0;0;fillrect;5;5;40;40;枠;0;0;0;"});
    EXPECT_EQ(white.pixel(60, 60), kWhitePixel);
    // A filled ellipse with a red brush.
    const QImage ellipse = render({"1;0;0;0;Ellipse;5;5;40;40;1;実線;0;塗潰;255;0;"});
    EXPECT_EQ(ellipse.pixel(85, 85), qRgb(255, 0, 0));
    EXPECT_EQ(ellipse.pixel(20, 20), kWhitePixel);  // the box's corner lies outside the ellipse
}

TEST(PainterSurface, AnArcRunsCounterClockwiseFromStartToEnd) {
    // Circle box 10..50 mm; from the right (start at x 60 mm, y 30 mm) to the top
    // (end at the device point 113, 0): the upper-right quarter only.
    const QImage image = render({"1;0;0;0;Arc;10;10;50;50;60;30;113;0;3;実線;0;枠;0;0;"});
    bool upperRight = false, lowerLeft = false;
    for (int y = 30; y < 200; ++y) {
        for (int x = 30; x < 200; ++x) {
            if (isInk(image.pixel(x, y))) {
                upperRight = upperRight || (x > 120 && y < 100);
                lowerLeft = lowerLeft || (x < 100 && y > 120);
            }
        }
    }
    EXPECT_TRUE(upperRight);
    EXPECT_FALSE(lowerLeft);
}

TEST(PainterSurface, TextRendersInJapaneseGlyphs) {
    const QImage image =
        render({"0;0;0;0;char;10;10;0;0;0;0;0;0;ＭＳ 明朝;20;標準;0;0;0;出納帳;0;0;0;"});
    int ink = 0;
    for (int y = 30; y < 80; ++y) {
        for (int x = 30; x < 150; ++x) {
            ink += isInk(image.pixel(x, y));
        }
    }
    EXPECT_GT(ink, 200);
}

TEST(JpegDecoder, DecodesThroughLibjpeg) {
    const QImage picture = loadStylePicture(test::fixture("print/pictures/picture_400x300.jpg"));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(400, 300));
    // Left half red, right half blue, give or take the compression.
    const QRgb left = picture.pixel(100, 150), right = picture.pixel(300, 150);
    EXPECT_GT(qRed(left), 240);
    EXPECT_LT(qBlue(left), 20);
    EXPECT_GT(qBlue(right), 240);
    EXPECT_LT(qRed(right), 20);
}

TEST(JpegDecoder, BrokenDataGivesNoPictureAndKeepsTheProcessAlive) {
    const QByteArray good = test::readBytes(test::fixture("print/pictures/picture_400x300.jpg"));
    const QByteArray broken[] = {
        QByteArray(),
        QByteArray("\xFF\xD8", 2),
        test::readBytes(test::fixture("print/pictures/broken.jpg")),
        QByteArray("\xFF\xD8\xFF\xC0\x00\x11\x08\xFF\xFF\xFF\xFF\x03", 12) + QByteArray(64, '\0'),
    };
    for (const QByteArray& bytes : broken) {
        EXPECT_TRUE(decodeJpeg(bytes).isNull()) << bytes.toHex().toStdString();
    }
    // A cut-off file shows what it holds.
    const QImage half = decodeJpeg(test::readBytes(test::fixture("print/pictures/truncated.jpg")));
    EXPECT_EQ(half.size(), QSize(400, 300));
    // And a good one still decodes afterwards.
    EXPECT_FALSE(decodeJpeg(good).isNull());
}

TEST(JpegDecoder, AJpegPictureIsDrawnStretched) {
    const QString line = QStringLiteral("0;0;0;0;image;10;10;20;10;1;0;0;%1;")
                             .arg(test::fixture("print/pictures/picture_400x300.jpg"));
    const QImage image = render({line});
    // 20 × 10 mm from (37, 37): red on the left, blue on the right.
    EXPECT_GT(qRed(image.pixel(50, 50)), 200);
    EXPECT_GT(qBlue(image.pixel(100, 50)), 200);
    EXPECT_EQ(image.pixel(120, 50), kWhitePixel);
}

}  // namespace
