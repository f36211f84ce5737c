#include "core/line_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/errors.h"
#include "tests/support/temp_dir.h"

using tallyrix::LineStore;
using tallyrix::ListIndexError;
using namespace tallyrix::test;

namespace {

LineStore storeOf(const QStringList& items) {
    LineStore store;
    store.assign(items);
    return store;
}

struct CommaCase {
    const char* text;
    QStringList items;
};

class CommaTextWrite : public ::testing::TestWithParam<CommaCase> {};

TEST_P(CommaTextWrite, SplitsByTheFileRule) {
    LineStore store;
    store.add(QStringLiteral("left over"));
    store.setCommaText(QString::fromUtf8(GetParam().text));
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

TEST(LineStore, CommaTextReadQuotesItemsWithSpaceOrComma) {
    EXPECT_EQ(storeOf({"a", "b c", "d,e"}).commaText(), QStringLiteral("a,\"b c\",\"d,e\""));
    EXPECT_EQ(storeOf({"", "x", ""}).commaText(), QStringLiteral(",x,"));
    EXPECT_EQ(storeOf({"q\"uote"}).commaText(), QStringLiteral("q\"uote"));
    EXPECT_EQ(storeOf({"全角　空白"}).commaText(), QStringLiteral("全角　空白"));
    EXPECT_EQ(LineStore().commaText(), QString());
}

struct TextCase {
    const char* text;
    QStringList items;
};

class TextWrite : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextWrite, SplitsAtEveryKindOfBreak) {
    LineStore store;
    store.setText(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(store.toStringList(), GetParam().items);
    EXPECT_EQ(store.capacity(), store.count());
}

INSTANTIATE_TEST_SUITE_P(Cases, TextWrite,
                         ::testing::Values(TextCase{"", {}}, TextCase{"a", {"a"}},
                                           TextCase{"a\r\n", {"a"}}, TextCase{"a\r\nb", {"a", "b"}},
                                           TextCase{"a\rb\nc", {"a", "b", "c"}},
                                           TextCase{"a\n\rb", {"a", "", "b"}},
                                           TextCase{"\r\n\r\n", {"", ""}},
                                           TextCase{"a\nb\n", {"a", "b"}}));

TEST(LineStore, TextWriteStopsAtNul) {
    LineStore store;
    store.setText(QStringLiteral("a\r\nb") + QChar(u'\0') + QStringLiteral("c\r\nd"));
    EXPECT_EQ(store.toStringList(), (QStringList{"a", "b"}));
}

TEST(LineStore, TextReadEndsEveryLineWithCrLf) {
    EXPECT_EQ(storeOf({"a", "", "b"}).text(), QStringLiteral("a\r\n\r\nb\r\n"));
    EXPECT_EQ(LineStore().text(), QString());
}

TEST(LineStore, InsertDeleteExchangeKeepOrder) {
    LineStore store = storeOf({"a", "b"});
    store.insert(2, QStringLiteral("c"));  // index = count appends
    store.insert(0, QStringLiteral("z"));
    EXPECT_EQ(store.toStringList(), (QStringList{"z", "a", "b", "c"}));
    store.remove(3);
    EXPECT_EQ(store.count(), 3);
    store.exchange(0, 2);
    store.exchange(1, 1);
    EXPECT_EQ(store.toStringList(), (QStringList{"b", "a", "z"}));
    EXPECT_EQ(store.add(QStringLiteral("q")), 3);
    store.replace(0, QStringLiteral("B"));
    EXPECT_EQ(store.at(0), QStringLiteral("B"));
    EXPECT_EQ(store.indexOf(QStringLiteral("z")), 2);
    EXPECT_EQ(store.indexOf(QStringLiteral("Z")), -1);
}

TEST(LineStore, RangeErrorsLeaveTheStoreUnchanged) {
    LineStore store = storeOf({"a", "b"});
    const QStringList before = store.toStringList();
    const int capacity = store.capacity();
    const std::vector<std::function<void()>> faults = {
        [&] { store.at(-1); },
        [&] { store.at(2); },
        [&] { store.replace(2, QStringLiteral("x")); },
        [&] { store.remove(2); },
        [&] { store.remove(-1); },
        [&] { store.insert(3, QStringLiteral("x")); },
        [&] { store.insert(-1, QStringLiteral("x")); },
        [&] { store.exchange(0, 2); },
        [&] { store.exchange(-1, 0); },
        [&] { store.setCapacity(1); },
        [&] { store.setCapacity(LineStore::kMaxCount + 1); },
        [&] { store.setCount(-1); },
        [&] { store.setCount(LineStore::kMaxCount + 1); },
    };
    for (size_t i = 0; i < faults.size(); ++i) {
        try {
            faults[i]();
            ADD_FAILURE() << "fault " << i << " raised nothing";
        } catch (const ListIndexError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("インデックスがリストの範囲を超えています"));
        }
        EXPECT_EQ(store.toStringList(), before) << "fault " << i;
        EXPECT_EQ(store.capacity(), capacity) << "fault " << i;
    }
}

TEST(LineStore, GrowsByThirtyTwoSlots) {
    LineStore store;
    EXPECT_EQ(store.capacity(), 0);
    store.add(QStringLiteral("a"));
    EXPECT_EQ(store.capacity(), 32);
    for (int i = 1; i < 32; ++i) {
        store.add(QString::number(i));
    }
    EXPECT_EQ(store.capacity(), 32);
    store.insert(0, QStringLiteral("b"));
    EXPECT_EQ(store.capacity(), 64);
    store.setCount(100);
    EXPECT_EQ(store.count(), 100);
    EXPECT_EQ(store.at(99), QString());
    store.setCount(2);
    EXPECT_EQ(store.toStringList(), (QStringList{"b", "a"}));
    store.clear();
    EXPECT_EQ(store.count(), 0);
    EXPECT_EQ(store.capacity(), 0);
}

TEST(LineStore, FindIsCaseInsensitiveAnywhereInTheLine) {
    const LineStore store = storeOf({"f,2015/04/01", "xxD07=,2015/07/01", "d07=,2015/07/02"});
    int line = 0;
    int column = 1;
    ASSERT_TRUE(store.find(QStringLiteral("d07="), line, column));
    EXPECT_EQ(line, 1);
    EXPECT_EQ(column, 3);
    column += 1;
    ASSERT_TRUE(store.find(QStringLiteral("d07="), line, column));
    EXPECT_EQ(line, 2);
    EXPECT_EQ(column, 1);
    column += 1;
    EXPECT_FALSE(store.find(QStringLiteral("d07="), line, column));
    EXPECT_EQ(line, 3);
    line = 0;
    column = 1;
    EXPECT_FALSE(store.find(QStringLiteral("d08="), line, column));
}

TEST(LineStore, SortOrdersWithTheCallersComparison) {
    LineStore store = storeOf({"d", "a", "c", "b", "a", "e"});
    store.sort([](const QString& a, const QString& b) { return a.compare(b); });
    EXPECT_EQ(store.toStringList(), (QStringList{"a", "a", "b", "c", "d", "e"}));
    store.sort([](const QString& a, const QString& b) { return b.compare(a); });
    EXPECT_EQ(store.toStringList(), (QStringList{"e", "d", "c", "b", "a", "a"}));
    LineStore one = storeOf({"x"});
    one.sort([](const QString&, const QString&) -> int { throw std::logic_error("called"); });
    EXPECT_EQ(one.count(), 1);
}

TEST(LineStoreFile, Cp932RoundTripIsByteExact) {
    TempDir dir;
    const QByteArray original = readBytes(fixture("core/cp932_crlf.txt"));
    LineStore store;
    store.loadFromFile(fixture("core/cp932_crlf.txt"));
    EXPECT_EQ(store.toStringList(),
              (QStringList{"現金出納帳", "～－①", "C:\\data\\a~b,あ ア", "", "last"}));
    EXPECT_EQ(store.at(1)[0].unicode(), 0xFF5E);
    EXPECT_EQ(store.at(1)[1].unicode(), 0xFF0D);
    EXPECT_EQ(store.capacity(), store.count());
    store.saveToFile(dir.file("out.txt"));
    EXPECT_EQ(readBytes(dir.file("out.txt")), original);
}

TEST(LineStoreFile, ReadsLfAndCrLfAndDropsLoneCr) {
    TempDir dir;
    LineStore store;
    store.loadFromFile(fixture("core/mixed_breaks.txt"));
    EXPECT_EQ(store.toStringList(), (QStringList{"onetwo", "three", "four", "five"}));
    store.saveToFile(dir.file("out.txt"));
    EXPECT_EQ(readBytes(dir.file("out.txt")), QByteArray("onetwo\r\nthree\r\nfour\r\nfive\r\n"));
}

TEST(LineStoreFile, EmptyFileAndEmptyStore) {
    TempDir dir;
    writeBytes(dir.file("empty.txt"), {});
    LineStore store = storeOf({"stale"});
    store.loadFromFile(dir.file("empty.txt"));
    EXPECT_EQ(store.count(), 0);
    store.saveToFile(dir.file("out.txt"));
    EXPECT_EQ(readBytes(dir.file("out.txt")), QByteArray());
}

TEST(LineStoreFile, CharactersCp932CannotHoldBecomeQuestionMarks) {
    TempDir dir;
    LineStore store = storeOf({QString::fromUtf8("税€込😀¥")});
    store.saveToFile(dir.file("out.txt"));
    EXPECT_EQ(readBytes(dir.file("out.txt")), QByteArray("\x90\xc5?\x8d\x9e??\r\n"));
}

TEST(LineStoreFile, InvalidBytesLoadAsReplacementCharacters) {
    LineStore store;
    store.loadFromFile(fixture("core/invalid_cp932.txt"));
    ASSERT_EQ(store.count(), 2);
    EXPECT_TRUE(store.at(0).contains(QStringLiteral("ok")));
    EXPECT_TRUE(store.at(0).endsWith(QStringLiteral("現")));
    EXPECT_TRUE(store.at(0).contains(QChar(QChar::ReplacementCharacter)));
    EXPECT_TRUE(store.at(1).contains(QStringLiteral("end")));
}

TEST(LineStoreFile, MissingFileRaisesAndKeepsTheStore) {
    TempDir dir;
    LineStore store = storeOf({"kept"});
    EXPECT_THROW(store.loadFromFile(dir.file("missing.txt")), tallyrix::FileError);
    EXPECT_EQ(store.toStringList(), QStringList{"kept"});
}

TEST(LineStoreFile, FailedSaveLeavesTheOldFile) {
    TempDir dir;
    const QString target = dir.file("keep.txt");
    writeBytes(target, "old\r\n");
    LineStore store = storeOf({"a much longer new content than the old one"});
    EXPECT_THROW(store.saveToFile(dir.file("no-such-folder/keep.txt")), tallyrix::FileError);
    QDir(dir.path()).mkdir("folder");
    EXPECT_THROW(store.saveToFile(dir.file("folder")), tallyrix::FileError);
    {
        FileSizeLimit diskFull(8);
        EXPECT_THROW(store.saveToFile(target), tallyrix::FileError);
    }
    EXPECT_EQ(readBytes(target), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.txt"});
}

}  // namespace
