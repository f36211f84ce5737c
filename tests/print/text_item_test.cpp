#include <gtest/gtest.h>

#include "core/format_settings.h"
#include "tests/print/print_fixture.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

class TextItems : public ::testing::Test {
protected:
    void SetUp() override { fixFormatSettings(); }

    QStringList texts(const TextFields& fields, const RenderContext& context) {
        record({textLine(fields)}, context, surface);
        return surface.callsStartingWith("textOut");
    }

    RecordingSurface surface;
};

TEST_F(TextItems, XZeroIsNotDrawnButTheSmallestStepIs) {
    TextFields f;
    f.x = "0";
    for (const char* y : {"0", "20", "150"}) {
        f.y = QString::fromUtf8(y);
        EXPECT_TRUE(texts(f, previewOn(surface)).isEmpty()) << y;
    }
    f.x = "0.0001";
    f.y = "20";
    EXPECT_EQ(texts(f, previewOn(surface)), QStringList{"textOut 0,75 文字"});
    f.x = "-0";
    EXPECT_TRUE(texts(f, previewOn(surface)).isEmpty());
}

TEST_F(TextItems, AShadowIsDrawnFirstInItsOwnColour) {
    TextFields f;
    f.dx = "0.5";
    f.dy = "-0.5";
    f.shadow = "8421504";
    f.colour = "255";
    record({textLine(f)}, previewOn(surface), surface);
    QStringList drawn;
    for (const QString& call : surface.calls()) {
        if (call.startsWith("fontColour") || call.startsWith("textOut")) {
            drawn.append(call);
        }
    }
    EXPECT_EQ(drawn, (QStringList{"fontColour 8421504", "textOut 39,73 文字", "fontColour 255",
                                  "textOut 37,75 文字"}));
    // An empty text draws neither copy.
    f.text = "";
    EXPECT_TRUE(texts(f, previewOn(surface)).isEmpty());
    // At x = 0 the shadow still stands off the edge.
    f.text = "影";
    f.x = "0";
    EXPECT_EQ(texts(f, previewOn(surface)), QStringList{"textOut 1,73 影"});
}

TEST_F(TextItems, PreviewOnlyTextIsOnlyOnTheScreen) {
    TextFields f;
    f.previewOnly = "1";
    EXPECT_EQ(texts(f, previewOn(surface)), QStringList{"textOut 37,75 文字"});
    EXPECT_TRUE(texts(f, printerOn(surface)).isEmpty());
    EXPECT_TRUE(surface.callsStartingWith("fontColour").isEmpty());
    EXPECT_TRUE(surface.callsStartingWith("brush").isEmpty());
}

TEST_F(TextItems, FontsFollowZOnThePreviewAndThePrinterOnPaper) {
    TextFields f;
    f.style = "太字斜体";
    texts(f, previewOn(surface, 50));
    EXPECT_EQ(surface.callsStartingWith("font "),
              (QStringList{"font ＭＳ 明朝 10pt 96dpi bold italic",
                           "font ＭＳ 明朝 10pt 48dpi bold italic"}));
    texts(f, printerOn(surface));
    EXPECT_EQ(surface.callsStartingWith("font ").last(),
              QStringLiteral("font ＭＳ 明朝 10pt 600dpi bold italic"));
    f.style = "標準";
    texts(f, previewOn(surface));
    EXPECT_EQ(surface.callsStartingWith("font ").last(),
              QStringLiteral("font ＭＳ 明朝 10pt 96dpi"));
}

TEST_F(TextItems, ANegativePitchNamesTheRightEnd) {
    TextFields f;
    f.x = "50";
    f.pitch = "-2.5";
    f.text = "12345";
    // Five characters start 12.5 mm left of x, 2.5 mm apart.
    EXPECT_EQ(texts(f, previewOn(surface)),
              (QStringList{"textOut 141,75 1", "textOut 151,75 2", "textOut 160,75 3",
                           "textOut 170,75 4", "textOut 179,75 5"}));
    f.pitch = "2.5";
    EXPECT_EQ(texts(f, previewOn(surface)).first(), QStringLiteral("textOut 188,75 1"));
}

TEST_F(TextItems, APitchSetsEachCharacterASurrogatePairCountingAsOne) {
    TextFields f;
    f.pitch = "5";
    f.text = QString::fromUtf8("a𠮷b");
    EXPECT_EQ(
        texts(f, previewOn(surface)),
        (QStringList{"textOut 37,75 a", QString::fromUtf8("textOut 56,75 𠮷"), "textOut 75,75 b"}));
}

TEST_F(TextItems, VerticalWritingStepsHalfTheTypeSizeWithoutAPitch) {
    TextFields f;
    f.vertical = "1";
    f.size = "10";
    f.text = "縦書き";
    EXPECT_EQ(texts(f, previewOn(surface)),
              (QStringList{"textOut 37,75 縦", "textOut 37,94 書", "textOut 37,113 き"}));
    // Any mode beyond 3 writes vertically too; a negative pitch names the bottom end.
    f.vertical = "0";
    f.mode = "7";
    f.pitch = "-4";
    f.y = "40";
    EXPECT_EQ(texts(f, previewOn(surface)),
              (QStringList{"textOut 37,105 縦", "textOut 37,120 書", "textOut 37,136 き"}));
}

TEST_F(TextItems, TheWidthLimitCutsInThePrinterFontOnBothSurfaces) {
    TextFields f;
    f.text = "123456789012";
    f.maxDigits = "8";
    EXPECT_EQ(texts(f, previewOn(surface)), QStringList{"textOut 37,75 12345678"});
    // The "1" was measured at the printer's 600 dpi: 10 pt is 83 pixels high.
    EXPECT_EQ(surface.callsStartingWith("textExtent 1 "), QStringList{"textExtent 1 41x83"});
    EXPECT_EQ(surface.callsStartingWith("font ").last(),
              QStringLiteral("font ＭＳ 明朝 10pt 96dpi"));
    EXPECT_EQ(texts(f, printerOn(surface)), QStringList{"textOut 236,472 12345678"});
    // A full-width character is 83 pixels wide: three of them fit into 8 × 41.
    f.text = "一二三四五六";
    EXPECT_EQ(texts(f, previewOn(surface)), QStringList{"textOut 37,75 一二三"});
    f.maxDigits = "0";
    EXPECT_EQ(texts(f, previewOn(surface)), QStringList{"textOut 37,75 一二三四五六"});
}

TEST_F(TextItems, BoxCentringShiftsPitchedTextByWholeMillimetres) {
    // The reference "5" is 6 pixels wide at 10 pt and 96 dpi: trunc(6 × 25.4 / 96) = 1 mm;
    // "翔" is 13 pixels: 3 mm.
    const struct {
        const char* text;
        const char* pitch;
        const char* size;
        int shift;  // mm
    } cases[] = {
        {"1", "4", "10", 0},         {"12", "4", "10", 0},    // trunc(1 / 2)
        {"123", "4", "10", 2},       {"1234", "4", "10", 2},  // 1 + 0 + q 1
        {"12345", "4", "10", 3},     {"123456", "4", "10", 3},
        {"1234567", "4", "10", 4},   {"12345678", "4", "10", 4},
        {"123456789", "4", "10", 0}, {"金額", "4", "10", 1},  // trunc(3 / 2)
        {"一二三", "4", "10", 4},    {"123", "-4", "10", 2},
    };
    for (const auto& c : cases) {
        TextFields f;
        f.x = "50";
        f.text = QString::fromUtf8(c.text);
        f.pitch = QString::fromUtf8(c.pitch);
        f.size = QString::fromUtf8(c.size);
        f.centring = "0";
        const QString plain = texts(f, previewOn(surface)).first();
        f.centring = "1";
        const QString centred = texts(f, previewOn(surface)).first();
        const int plainX = plain.section(' ', 1, 1).section(',', 0, 0).toInt();
        const int centredX = centred.section(' ', 1, 1).section(',', 0, 0).toInt();
        const double start = (QString(c.pitch).toDouble() < 0 ? 50 - f.text.size() * 4.0 : 50.0);
        EXPECT_EQ(plainX, static_cast<int>(start * 3.7795)) << c.text;
        EXPECT_EQ(centredX, static_cast<int>((start - c.shift) * 3.7795))
            << c.text << " " << c.pitch;
    }
}

TEST_F(TextItems, BoxCentringOfThreeCharactersAt48Points) {
    TextFields f;
    f.x = "50";
    f.pitch = "8";
    f.size = "48";
    f.text = "123";
    f.centring = "1";
    // "5" at 48 pt, 96 dpi: 64 pixels high, 32 wide: 8 mm; 8 + trunc(8 / 4) - 2 = 8 mm.
    EXPECT_EQ(texts(f, previewOn(surface)).first(), QStringLiteral("textOut 158,75 1"));
    // On paper the reference is measured at the printer's resolution: the same 8 mm.
    EXPECT_EQ(texts(f, printerOn(surface)).first(), QStringLiteral("textOut 992,472 1"));
}

TEST_F(TextItems, FilledBoldFillsTheGlyphShapesWithTheColour) {
    TextFields f;
    f.mode = "1";
    f.colour = "255";
    f.text = "見出";
    record({textLine(f)}, previewOn(surface), surface);
    const QStringList calls = surface.calls();
    const qsizetype at = calls.indexOf("font ＭＳ 明朝 10pt 96dpi bold");
    ASSERT_GE(at, 0) << calls.join('\n').toStdString();
    EXPECT_EQ(calls.mid(at + 1),
              (QStringList{"brushStyle solid", "brushColour 255", "textExtent 見出 26x13",
                           "clipToText 37,75,63,88 見出", "fillRect 37,75,63,88", "removeClip"}));
    EXPECT_TRUE(surface.callsStartingWith("textOut").isEmpty());
    EXPECT_EQ(surface.brushColour(), 255);
    // On paper the shapes are made at the printer's resolution.
    record({textLine(f)}, printerOn(surface), surface);
    EXPECT_EQ(surface.callsStartingWith("clipToText"),
              QStringList{"clipToText 236,472,402,555 見出"});
}

TEST_F(TextItems, AGradientRunsRowByRowFromTheColourToBlack) {
    TextFields f;
    f.mode = "2";
    f.colour = QString::number(0x0080FF);  // red 255, green 128
    f.text = "階";
    record({textLine(f)}, previewOn(surface), surface);
    EXPECT_EQ(surface.callsStartingWith("transparentBackground").size(), 1);
    const QStringList fills = surface.callsStartingWith("fillRect");
    ASSERT_EQ(fills.size(), 14);  // rows 0..13 of a 13-pixel text
    EXPECT_EQ(fills.first(), QStringLiteral("fillRect 37,75,50,76"));
    EXPECT_EQ(fills.last(), QStringLiteral("fillRect 37,88,50,89"));
    QList<int> colours;
    for (const QString& call : surface.callsStartingWith("brushColour")) {
        colours.append(call.mid(12).toInt());
    }
    ASSERT_EQ(colours.size(), 15);
    EXPECT_EQ(colours[0], 0x0080FF);  // the brush colour as in filled bold
    EXPECT_EQ(colours[1], 0x0080FF);  // row 0
    // Row 1: red 255 - trunc(255 / 13) = 236, green 128 - trunc(128 / 13) = 119.
    EXPECT_EQ(colours[2], (119 << 8) | 236);
    EXPECT_EQ(colours.last(), 0);
    EXPECT_EQ(surface.brushColour(), 0);  // left at the last row's colour
}

TEST_F(TextItems, RotatedTextHeightsAndAngle) {
    TextFields f;
    f.mode = "3";
    f.shadow = "900";  // tenths of a degree
    f.size = "10";
    f.style = "太字";
    EXPECT_EQ(texts(f, previewOn(surface)), QStringList{"textOut 37,75 文字"});
    EXPECT_EQ(surface.callsStartingWith("rotatedFont"),
              QStringList{"rotatedFont ＭＳ 明朝 14px 900"});
    texts(f, previewOn(surface, 150));
    EXPECT_EQ(surface.callsStartingWith("rotatedFont"),
              QStringList{"rotatedFont ＭＳ 明朝 21px 900"});
    // On paper the cell keeps its size on the sheet: 14 screen pixels in 600 dpi pixels.
    texts(f, printerOn(surface));
    EXPECT_EQ(surface.callsStartingWith("rotatedFont"),
              QStringList{"rotatedFont ＭＳ 明朝 87px 900"});
}

TEST_F(TextItems, AFontStyleNameThatIsNotKnownIsRegular) {
    TextFields f;
    f.style = "bold";
    texts(f, previewOn(surface));
    EXPECT_EQ(surface.callsStartingWith("font ").last(),
              QStringLiteral("font ＭＳ 明朝 10pt 96dpi"));
}

}  // namespace
