#include <gtest/gtest.h>

#include "core/text_helpers.h"
#include "print/csv_field.h"
#include "print/style_line.h"

using namespace tallyrix;

namespace {

// A text item as the style files write it: field 5 the kind, 15 the type
// size, 18 the pitch, 19 the colour, 20 the text.
QString styleLine(const QString& text) {
    return QStringLiteral("1;0;0;0;data;10;20;10;20;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;") + text +
           QStringLiteral(";0;0;");
}

QString field(const QString& line, int n) {
    return fieldAt(line, QStringLiteral(";"), n);
}

TEST(StyleLine, SetStyleFieldRebuildsTwentyTwoFields) {
    const QString line = setStyleField(QStringLiteral("a;b;c;"), QStringLiteral("X"), 5);
    EXPECT_EQ(line, QStringLiteral("a;b;c;;X;;;;;;;;;;;;;;;;;;"));
    EXPECT_EQ(line.count(u';'), 22);
    const QString longer = setStyleField(styleLine("t") + QStringLiteral("1;extra;"), "9", 15);
    EXPECT_EQ(longer.count(u';'), 22);
    EXPECT_EQ(field(longer, 15), QStringLiteral("9"));
    EXPECT_EQ(field(longer, 20), QStringLiteral("t"));
}

TEST(StyleLine, FillTextReplacesTheFirstPlaceholderOnly) {
    EXPECT_EQ(fillText("#pg/#pg", "#pg", "3", false), QStringLiteral("3/#pg"));
    EXPECT_EQ(fillText("no placeholder", "#pg", "3", false), QStringLiteral("no placeholder"));
    EXPECT_EQ(fillText("[#a]", "#a", "0", true), QStringLiteral("[]"));
    EXPECT_EQ(fillText("[#a]", "#a", "0", false), QStringLiteral("[0]"));
    EXPECT_EQ(fillText("#a", "#a", "0", true), QStringLiteral("    "));
    EXPECT_EQ(fillText("#a", "#a", "", false), QStringLiteral("    "));
}

TEST(StyleLine, FillSignedTurnsNegativeValuesRed) {
    const struct {
        const char* value;
        bool red;
        const char* placeholder;
        const char* colour;
    } cases[] = {
        {"-1,500", true, "#bal", "255"},
        {"-1,500", false, "#bal", "0"},
        {"1,500", true, "#bal", "0"},
        {"-1,500", true, "#none", "0"},
    };
    for (const auto& c : cases) {
        const QString line = fillSigned(styleLine("#bal"), c.placeholder, c.value, c.red, false);
        EXPECT_EQ(field(line, 19), QString::fromUtf8(c.colour))
            << c.value << c.red << c.placeholder;
    }
    EXPECT_EQ(field(fillSigned(styleLine("#bal"), "#bal", "-1,500", true, false), 20),
              QStringLiteral("-1,500"));
}

TEST(StyleLine, FillFittedShrinksAmountsOfElevenToFifteenCharacters) {
    const struct {
        const char* value;
        const char* size;
        const char* step;
    } cases[] = {
        {"1,234,567", "10", "0"},          // 9 characters
        {"123,456,789", "9", "-1.6"},      // 11
        {"123,456,789,012", "9", "-1.6"},  // 15
        {"1,234,567,890,123", "10", "0"},  // 17
        {"-123,456,789", "10", "0"},       // negative
        {"abcdefghijkl", "10", "0"},       // not a number
    };
    for (const auto& c : cases) {
        const QString line = fillFitted(styleLine("#kin"), "#kin", c.value, false);
        EXPECT_EQ(field(line, 15), QString::fromUtf8(c.size)) << c.value;
        EXPECT_EQ(field(line, 18), QString::fromUtf8(c.step)) << c.value;
        EXPECT_EQ(field(line, 20), QString::fromUtf8(c.value));
    }
    EXPECT_EQ(field(fillFitted(styleLine("x"), "#kin", "123,456,789", false), 15),
              QStringLiteral("10"));
}

TEST(StyleLine, LastFieldUpTo) {
    const struct {
        const char* text;
        int n;
        const char* expected;
    } cases[] = {
        {"a;b;c;", 2, "b"}, {"a;b;c;", 3, "c"}, {"a;b;c;", 9, "c"}, {"a;b;c;", 0, "c"},
        {"a;b;c", -1, "b"}, {"abc", 2, ""},     {"", 0, ""},        {"a;b;c;", 1, "a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lastFieldUpTo(QString::fromUtf8(c.text), c.n), QString::fromUtf8(c.expected))
            << c.text << " n=" << c.n;
    }
}

TEST(CsvField, TakeCsvField) {
    const struct {
        const char* line;
        const char* field;
        const char* rest;
    } cases[] = {
        {"\"a,b\",c", "a,b", "c"},
        {"a,b,c", "a", "b,c"},
        {",b", "", "b"},
        {"last", "last", ""},
        {"\"quoted last\"", "quoted last", ""},
        {"\"\",x", "", "x"},
        {"\"a\"b\",c", "a\"b", "c"},
        {"\"say \"\"hi\"\"\",n", "say \"\"hi\"\"", "n"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        QString line = QString::fromUtf8(c.line);
        EXPECT_EQ(takeCsvField(line), QString::fromUtf8(c.field)) << c.line;
        EXPECT_EQ(line, QString::fromUtf8(c.rest)) << c.line;
    }
}

TEST(CsvField, TakeCsvFieldWalksAWholeLine) {
    QString line = QStringLiteral("2015/04/01,\"電車代, 往復\",1500");
    QStringList fields;
    while (!line.isEmpty()) {
        fields.append(takeCsvField(line));
    }
    EXPECT_EQ(fields, (QStringList{"2015/04/01", "電車代, 往復", "1500"}));
}

}  // namespace
