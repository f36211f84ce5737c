#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/format_settings.h"
#include "print/style_template.h"
#include "tests/print/print_fixture.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

class StylePage : public ::testing::Test {
protected:
    void SetUp() override { fixFormatSettings(); }
    RecordingSurface surface;
};

TEST_F(StylePage, StopsAtTheFirstEmptyLine) {
    const StyleTemplate lines = loadStyleTemplate(fixture("print/stop_at_empty_line.sle"));
    renderStylePage(lines, previewOn(surface));
    const QStringList texts = surface.callsStartingWith("textOut");
    EXPECT_EQ(texts, QStringList{"textOut 75,94 見出し"});
    EXPECT_EQ(surface.callsStartingWith("ellipse"), QStringList{"ellipse 37,188,151,264"});
    EXPECT_EQ(surface.callsStartingWith("lineTo").size(), 1 + 4);
}

TEST_F(StylePage, SkipsUnknownKindsAndTheHeaderLine) {
    const QStringList calls =
        record({"1;0;0;0;Line;10;10;20;20;1;実線;0;0;", "1;0;0;0;text;10;10;20;20;1;実線;0;0;",
                "garbage", "    ", "1;0;0;0;line;10;10;20;10;1;実線;0;0;"},
               previewOn(surface), surface);
    EXPECT_EQ(surface.callsStartingWith("moveTo"), QStringList{"moveTo 37,37"});
    EXPECT_EQ(surface.callsStartingWith("lineTo"), QStringList{"lineTo 75,37"});
}

TEST_F(StylePage, AMalformedNumberEndsThePageAtItsLine) {
    const QStringList lines{
        "header;Ver1.1;0;0;0;0;401;100;", "1;0;0;0;line;10;10;20;10;1;実線;0;0;",
        "1;0;0;0;rect;10;10;2O;10;1;実線;0;0;", "1;0;0;0;line;10;50;20;50;1;実線;0;0;"};
    try {
        renderStylePage(lines, previewOn(surface));
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("'2O' は有効な浮動小数点値ではありません。 (3 行目)"));
    }
    // The line before stays drawn; nothing of the broken item or after it.
    EXPECT_EQ(surface.callsStartingWith("lineTo"), QStringList{"lineTo 75,37"});
    EXPECT_EQ(surface.calls().last(), QStringLiteral("brushColour 16777215"));
}

TEST_F(StylePage, EachStrictFieldEndsThePageWhenMalformed) {
    const struct {
        const char* line;
        const char* bad;
    } cases[] = {
        {"1;0;0;0;line;10;10;20;10;;実線;0;0;", "''"},            // width: integer
        {"1;0;0;0;line;10;10;20;10;1;実線;0;x;", "'x'"},          // preview-only: flag
        {"1;0;0;0;rrect;1;1;9;9;a;1;1;実線;0;塗潰;0;0;", "'a'"},  // corner
        {"1;0;0;0;Arc;1;1;9;9;1.5;1;1;1;1;実線;0;枠;0;0;", "'1.5'"},
        {"0;0;0;0;char;10;20;0;0;0;0;0;0;ＭＳ 明朝;大;標準;0;0;0;x;0;0;0;", "'大'"},
        {"0;0;0;0;char;10;20;0;0;0;0;0;0;ＭＳ 明朝;10;標準;;0;0;x;0;0;0;", "''"},
        {"0;0;0;0;image;10;20;;0;1;0;0;x.jpg;", "''"},
    };
    for (const auto& c : cases) {
        surface.clear();
        try {
            renderStylePage({QString::fromUtf8(c.line)}, previewOn(surface));
            ADD_FAILURE() << c.line;
        } catch (const ConversionError& error) {
            EXPECT_TRUE(error.message().startsWith(QString::fromUtf8(c.bad)))
                << error.message().toStdString();
        }
        EXPECT_TRUE(surface.callsStartingWith("textOut").isEmpty()) << c.line;
    }
}

TEST_F(StylePage, TheOffsetFollowsTheSheetOnlyForLedgersOnForms) {
    const struct {
        int kind;
        int paper;
        bool even;
        const char* start;  // where a line from (10, 10) starts
    } cases[] = {
        {2, 1, false, "moveTo 41,45"}, {2, 1, true, "moveTo 75,56"},  {10, 2, true, "moveTo 75,56"},
        {7, 1, false, "moveTo 41,45"}, {2, 0, true, "moveTo 41,45"},  {5, 1, true, "moveTo 41,45"},
        {20, 0, true, "moveTo 41,45"}, {30, 1, true, "moveTo 41,45"},
    };
    for (const auto& c : cases) {
        RenderContext context = previewOn(surface);
        context.offsets = {{Decimal4::fromInt(1), Decimal4::fromInt(2)},
                           {Decimal4::fromInt(10), Decimal4::fromInt(5)},
                           c.even};
        context.reportKind = c.kind;
        context.paperChoice = c.paper;
        record({"1;0;0;0;line;10;10;20;10;1;実線;0;0;"}, context, surface);
        EXPECT_EQ(surface.callsStartingWith("moveTo"), QStringList{c.start})
            << c.kind << " " << c.paper << " " << c.even;
    }
}

TEST_F(StylePage, AHeaderItemSwitchesToTheSelectedPair) {
    // An A4 ledger page on plain paper starts with the odd pair (0, 0).
    RenderContext context = previewOn(surface);
    context.reportKind = 2;
    context.paperChoice = 0;
    context.offsets = {{}, {Decimal4::fromInt(10), Decimal4::fromInt(5)}, true};
    record({"1;0;0;0;line;10;10;20;10;1;実線;0;0;", "0;0;0;0;header;",
            "1;0;0;0;line;10;10;20;10;1;実線;0;0;"},
           context, surface);
    EXPECT_EQ(surface.callsStartingWith("moveTo"), (QStringList{"moveTo 37,37", "moveTo 75,56"}));
    // With the selector at 0 it is the odd pair again.
    context.offsets.evenSheetPage = false;
    context.offsets.oddSheet = {Decimal4::fromInt(1), Decimal4::fromInt(2)};
    record({"0;0;0;0;header;", "1;0;0;0;line;10;10;20;10;1;実線;0;0;"}, context, surface);
    EXPECT_EQ(surface.callsStartingWith("moveTo"), QStringList{"moveTo 41,45"});
}

TEST_F(StylePage, ThePrinterScalesByItsOwnResolution) {
    record({"1;0;0;0;line;10;10;20.5;10;1;実線;0;0;"}, printerOn(surface), surface);
    // 600 dpi: 23.622 pixels a millimetre.
    EXPECT_EQ(surface.callsStartingWith("moveTo"), QStringList{"moveTo 236,236"});
    EXPECT_EQ(surface.callsStartingWith("lineTo"), QStringList{"lineTo 484,236"});
    // Zoom 50 %: Z = 48, 1.8898 pixels a millimetre.
    record({"1;0;0;0;line;10;10;20.5;10;1;実線;0;0;"}, previewOn(surface, 50), surface);
    EXPECT_EQ(surface.callsStartingWith("lineTo"), QStringList{"lineTo 38,18"});
}

}  // namespace
