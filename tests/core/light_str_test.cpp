#include "core/LightStr.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/errors.h"
#include "tests/support/temp_dir.h"

using tallyrix::ListIndexError;
using tallyrix::TLightStrings;
using namespace tallyrix::test;

namespace {

TLightStrings storeOf(const QStringList& items) {
    TLightStrings store;
    store.Assign(items);
    return store;
}

struct CommaCase {
    const char* text;
    QStringList items;
};

class CommaTextWrite : public ::testing::TestWithParam<CommaCase> {};

TEST_P(CommaTextWrite, SplitsByTheFileRule) {
    TLightStrings store;
    store.Add(QStringLiteral("left over"));
    store.SetCommaText(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(store.toStringList(), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommaTextWrite,
    ::testing::Values(
        CommaCase{"a,b,c", {"a", "b", "c"}}, CommaCase{"a,,b", {"a", "", "b"}},
        CommaCase{"a,b,", {"a", "b"}}, CommaCase{"a,,", {"a", ""}}, CommaCase{",", {""}},
        CommaCase{"", {}}, CommaCase{",a", {"", "a"}}, CommaCase{"\"x,y\",z", {"x,y", "z"}},
        CommaCase{"ab\"cd,e", {"ab", "cd", "e"}}, CommaCase{"a\r\nb,c", {"a", "\nb", "c"}},
        CommaCase{" a , b ", {" a ", " b "}}, CommaCase{"\"x\"y,z", {"x", "", "z"}},
        CommaCase{"\"open", {"open"}},
        CommaCase{"f,2015/04/01,2015/04/30,0", {"f", "2015/04/01", "2015/04/30", "0"}},
        CommaCase{"z,小口,営業部,5000,", {"z", "小口", "営業部", "5000"}},
        CommaCase{"d07=,2015/07/01,3,交通費,電車代,0,1500,,現金,現金出納帳,現金,現金出納帳,",
                  {"d07=", "2015/07/01", "3", "交通費", "電車代", "0", "1500", "", "現金",
                   "現金出納帳", "現金", "現金出納帳"}}));

TEST(LightStrings, CommaTextReadQuotesItemsWithSpaceOrComma) {
    EXPECT_EQ(storeOf({"a", "b c", "d,e"}).CommaText(), QStringLiteral("a,\"b c\",\"d,e\""));
    EXPECT_EQ(storeOf({"", "x", ""}).CommaText(), QStringLiteral(",x,"));
    EXPECT_EQ(storeOf({"q\"uote"}).CommaText(), QStringLiteral("q\"uote"));
    EXPECT_EQ(storeOf({"全角　空白"}).CommaText(), QStringLiteral("全角　空白"));
    EXPECT_EQ(TLightStrings().CommaText(), QString());
}

struct TextCase {
    const char* text;
    QStringList items;
};

class TextWrite : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextWrite, SplitsAtEveryKindOfBreak) {
    TLightStrings store;
    store.SetText(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(store.toStringList(), GetParam().items);
    EXPECT_EQ(store.Capacity(), store.Count());
}

INSTANTIATE_TEST_SUITE_P(Cases, TextWrite,
                         ::testing::Values(TextCase{"", {}}, TextCase{"a", {"a"}},
                                           TextCase{"a\r\n", {"a"}}, TextCase{"a\r\nb", {"a", "b"}},
                                           TextCase{"a\rb\nc", {"a", "b", "c"}},
                                           TextCase{"a\n\rb", {"a", "", "b"}},
                                           TextCase{"\r\n\r\n", {"", ""}},
                                           TextCase{"a\nb\n", {"a", "b"}}));

TEST(LightStrings, TextWriteStopsAtNul) {
    TLightStrings store;
    store.SetText(QStringLiteral("a\r\nb") + QChar(u'\0') + QStringLiteral("c\r\nd"));
    EXPECT_EQ(store.toStringList(), (QStringList{"a", "b"}));
}

TEST(LightStrings, TextReadEndsEveryLineWithCrLf) {
    EXPECT_EQ(storeOf({"a", "", "b"}).Text(), QStringLiteral("a\r\n\r\nb\r\n"));
    EXPECT_EQ(TLightStrings().Text(), QString());
}

TEST(LightStrings, InsertDeleteExchangeKeepOrder) {
    TLightStrings store = storeOf({"a", "b"});
    store.Insert(2, QStringLiteral("c"));  // index = count appends
    store.Insert(0, QStringLiteral("z"));
    EXPECT_EQ(store.toStringList(), (QStringList{"z", "a", "b", "c"}));
    store.Delete(3);
    EXPECT_EQ(store.Count(), 3);
    store.Exchange(0, 2);
    store.Exchange(1, 1);
    EXPECT_EQ(store.toStringList(), (QStringList{"b", "a", "z"}));
    EXPECT_EQ(store.Add(QStringLiteral("q")), 3);
    store.Put(0, QStringLiteral("B"));
    EXPECT_EQ(store.Get(0), QStringLiteral("B"));
    EXPECT_EQ(store.IndexOf(QStringLiteral("z")), 2);
    EXPECT_EQ(store.IndexOf(QStringLiteral("Z")), -1);
}

TEST(LightStrings, RangeErrorsLeaveTheStoreUnchanged) {
    TLightStrings store = storeOf({"a", "b"});
    const QStringList before = store.toStringList();
    const int capacity = store.Capacity();
    const std::vector<std::function<void()>> faults = {
        [&] { store.Get(-1); },
        [&] { store.Get(2); },
        [&] { store.Put(2, QStringLiteral("x")); },
        [&] { store.Delete(2); },
        [&] { store.Delete(-1); },
        [&] { store.Insert(3, QStringLiteral("x")); },
        [&] { store.Insert(-1, QStringLiteral("x")); },
        [&] { store.Exchange(0, 2); },
        [&] { store.Exchange(-1, 0); },
        [&] { store.SetCapacity(1); },
        [&] { store.SetCapacity(TLightStrings::MaxListSize + 1); },
        [&] { store.SetCount(-1); },
        [&] { store.SetCount(TLightStrings::MaxListSize + 1); },
    };
    for (size_t i = 0; i < faults.size(); ++i) {
        try {
            faults[i]();
            ADD_FAILURE() << "fault " << i << " raised nothing";
        } catch (const ListIndexError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("インデックスがリストの範囲を超えています"));
        }
        EXPECT_EQ(store.toStringList(), before) << "fault " << i;
        EXPECT_EQ(store.Capacity(), capacity) << "fault " << i;
    }
}

TEST(LightStrings, GrowsByThirtyTwoSlots) {
    TLightStrings store;
    EXPECT_EQ(store.Capacity(), 0);
    store.Add(QStringLiteral("a"));
    EXPECT_EQ(store.Capacity(), 32);
    for (int i = 1; i < 32; ++i) {
        store.Add(QString::number(i));
    }
    EXPECT_EQ(store.Capacity(), 32);
    store.Insert(0, QStringLiteral("b"));
    EXPECT_EQ(store.Capacity(), 64);
    store.SetCount(100);
    EXPECT_EQ(store.Count(), 100);
    EXPECT_EQ(store.Get(99), QString());
    store.SetCount(2);
    EXPECT_EQ(store.toStringList(), (QStringList{"b", "a"}));
    store.Clear();
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.Capacity(), 0);
}

TEST(LightStrings, FindIsCaseInsensitiveAnywhereInTheLine) {
    const TLightStrings store = storeOf({"f,2015/04/01", "xxD07=,2015/07/01", "d07=,2015/07/02"});
    int line = 0;
    int column = 1;
    ASSERT_TRUE(store.Find(QStringLiteral("d07="), line, column));
    EXPECT_EQ(line, 1);
    EXPECT_EQ(column, 3);
    column += 1;
    ASSERT_TRUE(store.Find(QStringLiteral("d07="), line, column));
    EXPECT_EQ(line, 2);
    EXPECT_EQ(column, 1);
    column += 1;
    EXPECT_FALSE(store.Find(QStringLiteral("d07="), line, column));
    EXPECT_EQ(line, 3);
    line = 0;
    column = 1;
    EXPECT_FALSE(store.Find(QStringLiteral("d08="), line, column));
}

TEST(LightStrings, SortOrdersWithTheCallersComparison) {
    TLightStrings store = storeOf({"d", "a", "c", "b", "a", "e"});
    store.Sort([](const QString& a, const QString& b) { return a.compare(b); });
    EXPECT_EQ(store.toStringList(), (QStringList{"a", "a", "b", "c", "d", "e"}));
    store.Sort([](const QString& a, const QString& b) { return b.compare(a); });
    EXPECT_EQ(store.toStringList(), (QStringList{"e", "d", "c", "b", "a", "a"}));
    TLightStrings one = storeOf({"x"});
    one.Sort([](const QString&, const QString&) -> int { throw std::logic_error("called"); });
    EXPECT_EQ(one.Count(), 1);
}

TEST(LightStringsFile, Cp932RoundTripIsByteExact) {
    TempDir dir;
    const QByteArray original = readBytes(fixture("core/cp932_crlf.txt"));
    TLightStrings store;
    store.LoadFromFile(fixture("core/cp932_crlf.txt"));
    EXPECT_EQ(store.toStringList(),
              (QStringList{"現金出納帳", "～－①", "C:\\data\\a~b,あ ア", "", "last"}));
    EXPECT_EQ(store.Get(1)[0].unicode(), 0xFF5E);
    EXPECT_EQ(store.Get(1)[1].unicode(), 0xFF0D);
    EXPECT_EQ(store.Capacity(), store.Count());
    store.SaveToFile(dir.file("out.txt"));
    EXPECT_EQ(readBytes(dir.file("out.txt")), original);
}

TEST(LightStringsFile, ReadsLfAndCrLfAndDropsLoneCr) {
    TempDir dir;
    TLightStrings store;
    store.LoadFromFile(fixture("core/mixed_breaks.txt"));
    EXPECT_EQ(store.toStringList(), (QStringList{"onetwo", "three", "four", "five"}));
    store.SaveToFile(dir.file("out.txt"));
    EXPECT_EQ(readBytes(dir.file("out.txt")), QByteArray("onetwo\r\nthree\r\nfour\r\nfive\r\n"));
}

TEST(LightStringsFile, EmptyFileAndEmptyStore) {
    TempDir dir;
    writeBytes(dir.file("empty.txt"), {});
    TLightStrings store = storeOf({"stale"});
    store.LoadFromFile(dir.file("empty.txt"));
    EXPECT_EQ(store.Count(), 0);
    store.SaveToFile(dir.file("out.txt"));
    EXPECT_EQ(readBytes(dir.file("out.txt")), QByteArray());
}

TEST(LightStringsFile, CharactersCp932CannotHoldBecomeQuestionMarks) {
    TempDir dir;
    TLightStrings store = storeOf({QString::fromUtf8("税€込😀¥")});
    store.SaveToFile(dir.file("out.txt"));
    EXPECT_EQ(readBytes(dir.file("out.txt")), QByteArray("\x90\xc5?\x8d\x9e??\r\n"));
}

TEST(LightStringsFile, InvalidBytesLoadAsReplacementCharacters) {
    TLightStrings store;
    store.LoadFromFile(fixture("core/invalid_cp932.txt"));
    ASSERT_EQ(store.Count(), 2);
    EXPECT_TRUE(store.Get(0).contains(QStringLiteral("ok")));
    EXPECT_TRUE(store.Get(0).endsWith(QStringLiteral("現")));
    EXPECT_TRUE(store.Get(0).contains(QChar(QChar::ReplacementCharacter)));
    EXPECT_TRUE(store.Get(1).contains(QStringLiteral("end")));
}

TEST(LightStringsFile, MissingFileRaisesAndKeepsTheStore) {
    TempDir dir;
    TLightStrings store = storeOf({"kept"});
    EXPECT_THROW(store.LoadFromFile(dir.file("missing.txt")), tallyrix::FileError);
    EXPECT_EQ(store.toStringList(), QStringList{"kept"});
}

TEST(LightStringsFile, FailedSaveLeavesTheOldFile) {
    TempDir dir;
    const QString target = dir.file("keep.txt");
    writeBytes(target, "old\r\n");
    TLightStrings store = storeOf({"a much longer new content than the old one"});
    EXPECT_THROW(store.SaveToFile(dir.file("no-such-folder/keep.txt")), tallyrix::FileError);
    QDir(dir.path()).mkdir("folder");
    EXPECT_THROW(store.SaveToFile(dir.file("folder")), tallyrix::FileError);
    {
        FileSizeLimit diskFull(8);
        EXPECT_THROW(store.SaveToFile(target), tallyrix::FileError);
    }
    EXPECT_EQ(readBytes(target), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.txt"});
}

}  // namespace
