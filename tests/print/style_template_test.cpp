#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/format_settings.h"
#include "print/style_header.h"
#include "print/style_template.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;
using tallyrix::test::fixture;

namespace {

TEST(StyleTemplate, LoadsEveryLineEmptyOnesIncluded) {
    const StyleTemplate lines = loadStyleTemplate(fixture("print/stop_at_empty_line.sle"));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("header;Ver1.1;")));
    EXPECT_EQ(
        lines[3],
        QStringLiteral("1;0;0;0;char;20;25;0;0;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;見出し;0;0;0;"));
    EXPECT_EQ(lines[5], QString());
    EXPECT_TRUE(lines[6].contains(QStringLiteral("描かれない")));
}

TEST(StyleTemplate, AMissingFileIsAnEmptyTemplate) {
    test::TempDir dir;
    EXPECT_TRUE(loadStyleTemplate(dir.file("none.sle")).isEmpty());
    EXPECT_TRUE(loadStyleTemplate(QString()).isEmpty());
}

TEST(StyleTemplate, AFileThatCannotBeReadIsAFileError) {
    test::TempDir dir;
    EXPECT_THROW(loadStyleTemplate(dir.path()), FileError);
}

TEST(StyleHeader, ReadsOffsetsPaperAndTray) {
    fixFormatSettings();
    const StyleHeader h = readStyleHeader({"header;Ver1.1;1.5;-2;12;1;0;100;0;0.5;-0.25;7;3;;"});
    EXPECT_EQ(h.oddX.toString(), QStringLiteral("1.5"));
    EXPECT_EQ(h.oddY.toString(), QStringLiteral("-2"));
    EXPECT_EQ(h.paperSize, 12);
    EXPECT_EQ(h.orientation, 1);
    EXPECT_EQ(h.evenX.toString(), QStringLiteral("0.5"));
    EXPECT_EQ(h.evenY.toString(), QStringLiteral("-0.25"));
    EXPECT_EQ(h.paperSource, 7);
}

TEST(StyleHeader, ANewHeaderReadsZeroEverywhere) {
    for (const StyleTemplate& lines :
         {StyleTemplate{}, StyleTemplate{"header;Ver1.1;0;0;0;0;401;100;"}}) {
        const StyleHeader h = readStyleHeader(lines);
        EXPECT_TRUE(h.oddX.isZero() && h.oddY.isZero() && h.evenX.isZero() && h.evenY.isZero());
        EXPECT_EQ(h.paperSize, 0);
        EXPECT_EQ(h.orientation, 0);
        EXPECT_EQ(h.paperSource, 0);
    }
}

TEST(StyleHeader, MalformedOffsetsOrPaperAreConversionErrors) {
    fixFormatSettings();
    const char* broken[] = {
        "header;Ver1.1;x;0;9;0;0;100;0;0;0;0;0;;",
        "header;Ver1.1;0;;9;0;0;100;0;0;0;0;0;;",
        "header;Ver1.1;0;0;A4;0;0;100;0;0;0;0;0;;",
        "header;Ver1.1;0;0;9;0;0;100;0;1mm;0;0;0;;",
    };
    for (const char* line : broken) {
        EXPECT_THROW(readStyleHeader({QString::fromUtf8(line)}), ConversionError) << line;
    }
    // Orientation and tray read 0 when they are not numbers.
    const StyleHeader h = readStyleHeader({"header;Ver1.1;0;0;9;横;0;100;0;0;0;上段;0;;"});
    EXPECT_EQ(h.orientation, 0);
    EXPECT_EQ(h.paperSource, 0);
}

TEST(StyleHeader, UpgradesVer10TextItemsInMemory) {
    StyleTemplate lines = loadStyleTemplate(fixture("print/ver10.sle"));
    ASSERT_EQ(styleVersion(lines), QStringLiteral("Ver1.0"));
    const StyleTemplate before = lines;
    EXPECT_TRUE(upgradeStyleTemplate(lines));
    EXPECT_EQ(lines[0], QStringLiteral("header;Ver1.1;1.5;-2;9;0;0;100;0;0.5;0.25;3;0;;"));
    // x and y repeated after field 7, the old field 8 now field 10.
    EXPECT_EQ(lines[1],
              QStringLiteral(
                  "1;0;0;0;char;10;20;10;20;0;0;0;0;ＭＳ ゴシック;10;標準;0;0;0;旧形式;0;0;0;"));
    EXPECT_EQ(lines[2], before[2]);  // not a text item
    EXPECT_EQ(
        lines[3],
        QStringLiteral("1;0;0;0;data;30;40;30;40;1;1;0;255;ＭＳ 明朝;12;太字;0;0;0;#pg;0;0;0;"));
    EXPECT_EQ(styleVersion(lines), QStringLiteral("Ver1.1"));
    // Once is enough.
    EXPECT_FALSE(upgradeStyleTemplate(lines));
    // The file itself is not touched.
    EXPECT_EQ(loadStyleTemplate(fixture("print/ver10.sle")), before);
}

TEST(StyleHeader, VersionComesFromTheHeaderBeforeTheFirstEmptyLine) {
    EXPECT_EQ(styleVersion({"1;0;0;0;line;", "header;Ver1.0;0;0;"}), QStringLiteral("Ver1.0"));
    EXPECT_EQ(styleVersion({"1;0;0;0;line;", "", "header;Ver1.0;0;0;"}), QString());
    StyleTemplate current{"header;Ver1.1;0;0;0;0;401;100;", "1;0;0;0;char;10;20;"};
    EXPECT_FALSE(upgradeStyleTemplate(current));
    EXPECT_EQ(current[1], QStringLiteral("1;0;0;0;char;10;20;"));
}

}  // namespace
