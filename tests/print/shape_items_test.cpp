#include <gtest/gtest.h>

#include "core/format_settings.h"
#include "print/page_drawing.h"
#include "tests/print/print_fixture.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

class ShapeItems : public ::testing::Test {
protected:
    void SetUp() override { fixFormatSettings(); }
    RecordingSurface surface;
};

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(mulDiv(96, 4, 144), 3);  // 2.67
    EXPECT_EQ(mulDiv(96, 3, 144), 2);  // 2
    EXPECT_EQ(mulDiv(96, 1, 144), 1);  // 0.67
    EXPECT_EQ(mulDiv(48, 3, 144), 1);  // 1.0
    EXPECT_EQ(mulDiv(72, 1, 144), 1);  // 0.5
    EXPECT_EQ(mulDiv(72, -1, 144), -1);
    EXPECT_EQ(mulDiv(96, 0, 144), 0);
}

TEST_F(ShapeItems, PenWidthsFollowTheZoomedScreenOnBothSurfaces) {
    const struct {
        const char* line;
        bool printer;
        int zoom;
        int width;
    } cases[] = {
        {"1;0;0;0;rect;10;10;50;30;0;実線;0;0;", false, 100, 1},  // 0 pixels: 1
        {"1;0;0;0;rect;10;10;50;30;0;実線;0;0;", true, 100, 3},   // MulDiv(96, 4, 144)
        {"1;0;0;0;line;10;10;50;30;0;実線;0;0;", true, 100, 1},   // MulDiv(96, 2, 144)
        {"1;0;0;0;line;10;10;50;30;3;実線;0;0;", false, 100, 2},
        {"1;0;0;0;line;10;10;50;30;3;実線;0;0;", true, 100, 3},   // 5 → 3.33
        {"1;0;0;0;line;10;10;50;30;6;実線;0;0;", false, 50, 2},   // Z = 48
        {"1;0;0;0;line;10;10;50;30;9;破線;0;0;", false, 100, 1},  // patterned pens: 1
        {"1;0;0;0;line;10;10;50;30;9;点線;0;0;", true, 100, 1},
        {"1;0;0;0;line;10;10;50;30;9;一点鎖線;0;0;", false, 100, 1},
        {"1;0;0;0;line;10;10;50;30;9;二点鎖線;0;0;", false, 100, 1},
        {"1;0;0;0;line;10;10;50;30;9;立体線;0;0;", false, 100, 6},
        {"1;0;0;0;line;10;10;50;30;-5;実線;0;0;", false, 100, 1},
        {"1;0;0;0;Ellipse;10;10;50;30;2;実線;0;枠;0;0;", true, 100, 4},
        {"1;0;0;0;rrect;10;10;50;30;2;2;2;実線;0;枠;0;0;", true, 100, 4},
        {"1;0;0;0;Chord;10;10;50;30;1;1;1;1;2;実線;0;枠;0;0;", true, 100, 4},
        {"1;0;0;0;Arc;10;10;50;30;1;1;1;1;2;実線;0;枠;0;0;", false, 100, 1},
    };
    for (const auto& c : cases) {
        RecordingSurface s;
        const RenderContext context = c.printer
                                          ? RenderContext::printerPage(s, 600, 600, 96, 96, c.zoom)
                                          : previewOn(s, c.zoom);
        record({QString::fromUtf8(c.line)}, context, s);
        EXPECT_EQ(s.callsStartingWith("penWidth"),
                  QStringList{QStringLiteral("penWidth %1").arg(c.width)})
            << c.line << (c.printer ? " printer" : " preview");
        // The width stays on the pen after the item.
        EXPECT_EQ(s.penWidth(), c.width) << c.line;
    }
}

TEST_F(ShapeItems, ARectIsFourSeparateEdgesAndEveryShapeResetsPenAndBrush) {
    const QStringList calls =
        record({"1;0;0;0;rect;10;10;50;30;1;破線;255;0;"}, previewOn(surface), surface);
    EXPECT_EQ(calls,
              (QStringList{"penStyle dash", "penColour 255", "penWidth 1", "moveTo 37,37",
                           "lineTo 188,37", "moveTo 37,113", "lineTo 188,113", "moveTo 37,37",
                           "lineTo 37,113", "moveTo 188,37", "lineTo 188,113", "penStyle solid",
                           "penColour 16777215", "brushStyle clear", "brushColour 16777215"}));
}

TEST_F(ShapeItems, FilledShapesTakeTheirBrushFromTheLine) {
    record({"1;0;0;0;rrect;10;10;50;30;4;3;1;実線;0;水平;255;0;",
            "1;0;0;0;Ellipse;10;10;50;30;1;実線;0;DiagCrossBrush;65280;0;",
            "1;0;0;0;Ellipse;10;10;50;30;1;実線;0;何か;1;0;"},
           previewOn(surface), surface);
    // Both corner sizes on the vertical scale: trunc(4 × 3.7795), trunc(3 × 3.7795).
    EXPECT_EQ(surface.callsStartingWith("roundRect"),
              QStringList{"roundRect 37,37,188,113 corner 15x11"});
    EXPECT_EQ(surface.callsStartingWith("brushStyle"),
              (QStringList{"brushStyle horizontal", "brushStyle clear", "brushStyle diagonalCross",
                           "brushStyle clear", "brushStyle solid", "brushStyle clear"}));
    EXPECT_EQ(surface.callsStartingWith("brushColour").mid(0, 1), QStringList{"brushColour 255"});
}

TEST_F(ShapeItems, ArcAndChordPoints) {
    // Start: whole millimetres on the vertical scale, no offset; end: device pixels.
    RenderContext context = previewOn(surface);
    context.offsets.oddSheet = {Decimal4::fromInt(5), Decimal4::fromInt(5)};
    record({"1;0;0;0;Arc;10;10;50;30;60;20;7;300;1;実線;0;枠;0;0;",
            "1;0;0;0;Chord;10;10;50;30;60;20;7;300;1;実線;0;塗潰;255;0;"},
           context, surface);
    EXPECT_EQ(surface.callsStartingWith("arc"),
              QStringList{"arc 56,56,207,132 from 226,75 to 7,300"});
    EXPECT_EQ(surface.callsStartingWith("chord"),
              QStringList{"chord 56,56,207,132 from 226,75 to 7,300"});
}

TEST_F(ShapeItems, FillRectUsesTheBrushColourThePreviousItemLeft) {
    const QString fill = QStringLiteral("1;0;0;0;fillrect;10;10;50;30;塗潰;255;0;0;");
    // A fresh surface fills white.
    EXPECT_EQ(surface.brushColour(), kWhite);
    // After a filled-bold text, its colour; after a shape, white.
    TextFields bold;
    bold.mode = "1";
    bold.colour = "32768";
    record({textLine(bold), fill, "1;0;0;0;line;1;1;2;2;1;実線;0;0;", fill}, previewOn(surface),
           surface);
    QStringList fills;
    StyleColour brush = kWhite;
    for (const QString& call : surface.calls()) {
        if (call.startsWith("brushColour ")) {
            brush = call.mid(12).toInt();
        } else if (call.startsWith("fillRect 37,37,188,113")) {
            fills.append(QString::number(brush));
        }
    }
    EXPECT_EQ(fills, (QStringList{"32768", "16777215"}));
}

TEST_F(ShapeItems, AFramedFillRectDrawsItsEdgesWithThePenItFinds) {
    const QStringList calls =
        record({"1;0;0;0;line;1;1;2;2;6;実線;0;0;", "1;0;0;0;fillrect;10;10;50;30;垂直;255;0;0;"},
               previewOn(surface), surface);
    const qsizetype start = calls.indexOf("brushStyle vertical");
    ASSERT_GE(start, 0);
    EXPECT_EQ(calls.mid(start, 4), (QStringList{"brushStyle vertical", "penColour 255",
                                                "fillRect 37,37,188,113", "brushStyle clear"}));
    EXPECT_EQ(calls.mid(start + 4, 8),
              (QStringList{"moveTo 37,37", "lineTo 188,37", "moveTo 37,113", "lineTo 188,113",
                           "moveTo 37,37", "lineTo 37,113", "moveTo 188,37", "lineTo 188,113"}));
    EXPECT_EQ(surface.penWidth(), 4);  // left by the line
    // Group 0: no frame.
    record({"0;0;0;0;fillrect;10;10;50;30;垂直;255;0;0;"}, previewOn(surface), surface);
    EXPECT_TRUE(surface.callsStartingWith("lineTo").isEmpty());
}

TEST_F(ShapeItems, PreviewOnlyShapesAreLeftOffThePrinterUntouched) {
    const QStringList items{
        "1;0;0;0;line;10;10;50;30;1;実線;255;1;",
        "1;0;0;0;rect;10;10;50;30;1;実線;255;1;",
        "1;0;0;0;rrect;10;10;50;30;2;2;1;実線;255;塗潰;255;1;",
        "1;0;0;0;Ellipse;10;10;50;30;1;実線;255;塗潰;255;1;",
        "1;0;0;0;Arc;10;10;50;30;1;1;1;1;1;実線;255;塗潰;255;1;",
        "1;0;0;0;Chord;10;10;50;30;1;1;1;1;1;実線;255;塗潰;255;1;",
        "1;0;0;0;fillrect;10;10;50;30;塗潰;255;0;1;",
    };
    surface.setPenColour(12345);
    surface.setBrushColour(54321);
    EXPECT_EQ(record(items, printerOn(surface), surface), QStringList());
    EXPECT_EQ(surface.penColour(), 12345);
    EXPECT_EQ(surface.brushColour(), 54321);
    // On the screen every one of them is drawn.
    record(items, previewOn(surface), surface);
    EXPECT_EQ(surface.callsStartingWith("penColour 16777215").size(), 7);
    // Only 1 counts as preview-only.
    record({"1;0;0;0;line;10;10;50;30;1;実線;255;2;"}, printerOn(surface), surface);
    EXPECT_EQ(surface.callsStartingWith("lineTo").size(), 1);
}

}  // namespace
