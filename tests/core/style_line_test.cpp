#include <gtest/gtest.h>

#include "core/text_helpers.h"

using namespace tallyrix;

namespace {

// A text item: field 1 kind, 5 the text, 15 the type size, 18 the size step, 19 the colour.
QString styleLine(const QString& text) {
    QStringList fields(kStyleFieldCount);
    fields[0] = QStringLiteral("text");
    fields[4] = text;
    fields[14] = QStringLiteral("10");
    fields[17] = QStringLiteral("0");
    fields[18] = QStringLiteral("0");
    return fields.join(u';') + u';';
}

QString field(const QString& line, int n) {
    return fieldAt(line, QStringLiteral(";"), n);
}

TEST(StyleLine, SetStyleFieldRebuildsTwentyTwoFields) {
    const QString line = setStyleField(QStringLiteral("a;b;c;"), QStringLiteral("X"), 5);
    EXPECT_EQ(line, QStringLiteral("a;b;c;;X;;;;;;;;;;;;;;;;;;"));
    EXPECT_EQ(line.count(u';'), 22);
    const QString longer = setStyleField(styleLine("t") + QStringLiteral("extra;more;"), "9", 15);
    EXPECT_EQ(longer.count(u';'), 22);
    EXPECT_EQ(field(longer, 15), QStringLiteral("9"));
    EXPECT_EQ(field(longer, 5), QStringLiteral("t"));
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
    EXPECT_EQ(field(fillSigned(styleLine("#bal"), "#bal", "-1,500", true, false), 5),
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
        EXPECT_EQ(field(line, 5), QString::fromUtf8(c.value));
    }
    EXPECT_EQ(field(fillFitted(styleLine("x"), "#kin", "123,456,789", false), 15),
              QStringLiteral("10"));
}

}  // namespace
