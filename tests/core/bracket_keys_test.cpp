#include "core/bracket_keys.h"

#include <gtest/gtest.h>

#include "core/line_store.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

TEST(BracketKeys, KeyIsCutAtTheFirstEquals) {
    const struct {
        const char* line;
        const char* key;
        const char* value;
    } cases[] = {
        {"[FILE_DIR]=/home/a/2015.exv", "[FILE_DIR]", "/home/a/2015.exv"},
        {"[COMPANY_NAME]=A=B", "[COMPANY_NAME]", "A=B"},
        {"[Start_Opt_1] = 2", "[Start_Opt_1] ", " 2"},
        {"no equals sign", "", ""},
        {"=value", "", "value"},
        {"[EMPTY]=", "[EMPTY]", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bracketKeyOf(QString::fromUtf8(c.line)), QString::fromUtf8(c.key)) << c.line;
        EXPECT_EQ(bracketValueOf(QString::fromUtf8(c.line)), QString::fromUtf8(c.value)) << c.line;
    }
}

TEST(BracketKeys, IntegerValuesFallBackToTheDefault) {
    const struct {
        const char* value;
        int expected;
    } cases[] = {{"12", 12}, {" 12 ", 12}, {"-5", -5},         {"abc", 7}, {"", 7},
                 {"1e3", 7}, {"12px", 7},  {"99999999999", 7}, {"-", 7}};
    for (const auto& c : cases) {
        EXPECT_EQ(bracketInt(QString::fromUtf8(c.value), 7), c.expected) << c.value;
    }
}

TEST(BracketKeys, VisitsEveryKeyInFileOrder) {
    TempDir dir;
    writeBytes(dir.file("a.conf"), "[A]=1\r\ngarbage\r\n[B]=x=y\r\n[A]=2\r\n");
    QStringList seen;
    forEachBracketKey(dir.file("a.conf"), [&](const QString& key, const QString& value) {
        seen.append(key + u'|' + value);
    });
    EXPECT_EQ(seen, (QStringList{"[A]|1", "[B]|x=y", "[A]|2"}));
    seen.clear();
    forEachBracketKey(dir.file("missing.conf"),
                      [&](const QString& k, const QString&) { seen.append(k); });
    EXPECT_TRUE(seen.isEmpty());
}

TEST(BracketKeys, SetBracketKeyRewritesOnlyThatKey) {
    TempDir dir;
    const QString file = dir.file("tallyrix.conf");
    writeBytes(
        file,
        "[FILE_DIR]=old\r\n[COMPANY_NAME]=\x8a\x94\x8e\xae\x89\xef\x8e\xd0\r\n[FILE_DIR]=older\n");
    setBracketKey(QStringLiteral("[FILE_DIR]"), QStringLiteral("/new/年度.exv"), file);
    LineStore lines;
    lines.loadFromFile(file);
    EXPECT_EQ(lines.toStringList(),
              (QStringList{"[FILE_DIR]=/new/年度.exv", "[COMPANY_NAME]=株式会社",
                           "[FILE_DIR]=/new/年度.exv"}));
}

TEST(BracketKeys, SetBracketKeyNeverAddsAKeyOrAFile) {
    TempDir dir;
    const QString file = dir.file("tallyrix.conf");
    writeBytes(file, "[COMPANY_NAME]=A\n[OPTION2]=TRUE");
    setBracketKey(QStringLiteral("[FILE_DIR]"), QStringLiteral("x"), file);
    EXPECT_EQ(readBytes(file), QByteArray("[COMPANY_NAME]=A\r\n[OPTION2]=TRUE\r\n"));
    setBracketKey(QStringLiteral("[FILE_DIR]"), QStringLiteral("x"), dir.file("missing.conf"));
    EXPECT_FALSE(QFile::exists(dir.file("missing.conf")));
}

TEST(BracketKeys, WindowPlacementRoundTrip) {
    TempDir dir;
    saveWindowPlacement(dir.path(), QStringLiteral("tallyrix6"), 20, 30, 1300, 800);
    EXPECT_EQ(readBytes(dir.file("tallyrix6.ini")),
              QByteArray("[Screen_Top]=20\r\n[Screen_Left]=30\r\n[Screen_Width]=1300\r\n[Screen_"
                         "Height]=800\r\n"));
    const WindowPlacement placement = loadWindowPlacement(dir.path(), QStringLiteral("tallyrix6"));
    EXPECT_EQ(placement.top, 20);
    EXPECT_EQ(placement.left, 30);
    EXPECT_EQ(placement.width, 1300);
    EXPECT_EQ(placement.height, 800);
}

TEST(BracketKeys, WindowPlacementOfGarbageReadsZeroes) {
    const WindowPlacement garbage =
        loadWindowPlacement(fixture("core"), QStringLiteral("placement_garbage"));
    EXPECT_EQ(garbage.top, 0);       // "abc"
    EXPECT_EQ(garbage.left, 12);     // " 12 "
    EXPECT_EQ(garbage.width, 0);     // "1e3"
    EXPECT_EQ(garbage.height, 450);  // the later line wins
    TempDir dir;
    const WindowPlacement missing = loadWindowPlacement(dir.path(), QStringLiteral("none"));
    EXPECT_EQ(missing.top + missing.left + missing.width + missing.height, 0);
}

TEST(BracketKeys, WriterRewritesTheWholeFile) {
    TempDir dir;
    const QString file = dir.file("backup.conf");
    writeBytes(file, "[OLD]=gone\r\n");
    BracketWriter().add("[BACK_NAME_1]", "2015年度").addLine("[Version]=1.00").save(file);
    EXPECT_EQ(readBytes(file),
              QByteArray("[BACK_NAME_1]=2015\x94\x4e\x93\x78\r\n[Version]=1.00\r\n"));
}

}  // namespace

#include "core/program_settings.h"

namespace {

TEST(ProgramSettings, SwitchesMatchWholeLinesAndTheLaterLineWins) {
    TempDir dir;
    writeBytes(
        dir.file("tallyrix.conf"),
        "[FILE_DIR]= /years/2015.exv \r\n[COMPANY_NAME]=A=B\r\n[OPTION2]=TRUE\r\n"
        "[OPTION3]=2\r\n[Start_Opt_1] = 2\r\n[FONT_SIZE]=12\r\nnonsense\r\n[Start_Opt_1]=2\r\n"
        "[Start_Opt_1]=1\r\n[PRINT_STYLE1]=x\r\n");
    const ProgramSettings s = readProgramSettings(dir.file("tallyrix.conf"));
    EXPECT_EQ(s.startDataFile, QStringLiteral(" /years/2015.exv "));  // as written
    EXPECT_EQ(s.startFile(), QStringLiteral("/years/2015.exv"));
    EXPECT_EQ(s.companyName, QStringLiteral("A=B"));
    EXPECT_TRUE(s.negativeInRed);
    EXPECT_EQ(s.fontType, 2);
    EXPECT_EQ(s.fontSize, 12);
    EXPECT_EQ(s.startOption, ProgramSettings::OpenLastFile);
    EXPECT_EQ(s.printStyle1, QStringLiteral("x"));

    writeBytes(dir.file("spaced.conf"), "[Start_Opt_1] = 2\r\n");
    EXPECT_EQ(readProgramSettings(dir.file("spaced.conf")).startOption,
              ProgramSettings::OpenLastFile);
    EXPECT_EQ(readProgramSettings(dir.file("missing.conf")).companyName, QString());

    // What is written reads back; the keys only read are not written.
    writeProgramSettings(dir.file("again.conf"), s);
    const ProgramSettings again = readProgramSettings(dir.file("again.conf"));
    EXPECT_EQ(again.startDataFile, s.startDataFile);
    EXPECT_EQ(again.fontSize, 12);
    EXPECT_EQ(again.printStyle1, QString());
}

}  // namespace
