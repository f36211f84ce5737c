#include "entry/title_master_model.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <deque>
#include <functional>

#include "core/app_title.h"
#include "core/cp932.h"
#include "core/scripted_prompter.h"
#include "entry/title_editor_model.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

using Editing = std::function<void(TitleEditorModel&)>;

// The dialog's window: counts beeps and plays the title editor from a script.
class ScriptedTitleView : public TitleMasterView {
public:
    void beep() override { ++beeps; }
    void showTitleEditor(TitleEditorModel& editor) override {
        editorTexts.append(editor.text());
        ASSERT_FALSE(script.empty()) << "unscripted title editor";
        script.front()(editor);
        script.pop_front();
        ASSERT_TRUE(editor.closed());
    }

    int beeps = 0;
    QStringList editorTexts;
    std::deque<Editing> script;
};

Editing type(const QString& text) {
    return [text](TitleEditorModel& editor) {
        editor.editChange(text, static_cast<int>(text.size()));
        editor.execute();
    };
}

Editing typeThenCancel(const QString& text) {
    return [text](TitleEditorModel& editor) {
        editor.editChange(text, static_cast<int>(text.size()));
        editor.execute();
        if (!editor.closed()) {
            editor.cancel();
        }
    };
}

// Lines as the master file holds them: code page 932, CR LF after each.
QByteArray fileOf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeCp932(line) + "\r\n";
    }
    return bytes;
}

class TitleMasterTest : public ::testing::Test {
protected:
    TitleMasterTest() { QDir(data.path()).mkpath(QStringLiteral("cldata")); }

    TitleMasterModel open(TitleMasterMode mode, int usageType = 1) {
        return TitleMasterModel(mode, usageType, folders(), prompter, view);
    }
    Folders folders() const { return Folders{install.path(), data.path()}; }
    QString master(int usageType = 1) const {
        return data.file(QStringLiteral("cldata/kamoku%1.dat").arg(usageType));
    }
    void putFixtureMaster(int usageType = 1) {
        writeBytes(master(usageType), readBytes(fixture("entry/kamoku_62lines.dat")));
    }

    TempDir install;
    TempDir data;
    ScriptedPrompter prompter;
    ScriptedTitleView view;
};

TEST_F(TitleMasterTest, UpdateWritesSixtyLinesColumnByColumn) {
    auto dialog = open(TitleMasterMode::Setup);
    const struct {
        GridCell cell;
        QString title;
    } titles[] = {{{1, 1}, "売上"}, {{1, 2}, "仕入"}, {{1, 3}, "通信費"}, {{2, 1}, "消耗品費"}};
    for (const auto& t : titles) {
        view.script.push_back(type(t.title));
        dialog.cellDoubleClick(t.cell);
    }
    dialog.update();

    QStringList lines(kTitleCells);
    lines[0] = "売上";
    lines[1] = "仕入";
    lines[2] = "通信費";
    lines[15] = "消耗品費";
    EXPECT_EQ(readBytes(master()), fileOf(lines));
    ASSERT_EQ(prompter.records().size(), 1u);
    const auto& message = prompter.records()[0];
    EXPECT_EQ(message.kind, ScriptedPrompter::Kind::Task);
    EXPECT_EQ(message.title, applicationTitle());
    EXPECT_EQ(message.heading, QString());
    EXPECT_EQ(message.text, QStringLiteral("科目設定を更新しました。"));
    EXPECT_EQ(message.icon, TaskIcon::Information);
    EXPECT_EQ(message.buttons, QStringList{"OK"});
    EXPECT_TRUE(dialog.closed());
    EXPECT_TRUE(dialog.masterWritten());

    // The lists keep empty cells as items, so index + 1 is the title position.
    const QStringList list = loadAccountTitles(folders(), 1);
    ASSERT_EQ(list.size(), kTitleCells);
    EXPECT_EQ(list[15], QStringLiteral("消耗品費"));
    EXPECT_EQ(list[3], QString());
    EXPECT_EQ(AccountTitleGrid::position(2, 1), 16);
}

TEST_F(TitleMasterTest, LoadsColumnByColumnAndDropsLinesBeyondSixty) {
    putFixtureMaster();
    auto dialog = open(TitleMasterMode::Setup);
    const AccountTitleGrid& grid = dialog.grid();
    EXPECT_EQ(grid.cell(1, 1), QStringLiteral("売上"));
    EXPECT_EQ(grid.cell(1, 2), QString());
    EXPECT_EQ(grid.cell(1, 3), QStringLiteral("仕入"));
    EXPECT_EQ(grid.cell(2, 1), QStringLiteral("消耗品費"));
    EXPECT_EQ(grid.cell(2, 15), QStringLiteral("旅費交通費"));
    EXPECT_EQ(grid.cell(4, 15), QStringLiteral("雑費"));

    // Written back unchanged, the master is its first 60 lines, byte for byte.
    dialog.update();
    const QByteArray original = readBytes(fixture("entry/kamoku_62lines.dat"));
    const QByteArray written = readBytes(master());
    EXPECT_EQ(written.count("\r\n"), kTitleCells);
    EXPECT_TRUE(original.startsWith(written));
    EXPECT_EQ(original.mid(written.size()), fileOf({"六十一行目", "六十二行目"}));
}

TEST_F(TitleMasterTest, TheListsHoldEveryLineOfTheMaster) {
    EXPECT_TRUE(loadAccountTitles(folders(), 1).isEmpty());
    putFixtureMaster();
    const QStringList list = loadAccountTitles(folders(), 1);
    ASSERT_EQ(list.size(), 62);
    EXPECT_EQ(list[1], QString());  // an empty cell stays an empty item
    EXPECT_EQ(list[15], QStringLiteral("消耗品費"));
    EXPECT_TRUE(loadAccountTitles(folders(), 2).isEmpty());
}

TEST_F(TitleMasterTest, TheUsageTypeChoosesTheMaster) {
    writeBytes(master(1), fileOf({"売上"}));
    writeBytes(master(2), fileOf({"おこづかい"}));
    const struct {
        int usageType;
        QString mainTitle;
        QString firstTitle;
    } cases[] = {{1, "現金出納帳", "売上"}, {2, "おこづかい帳", "おこづかい"}};
    for (const auto& c : cases) {
        auto dialog = open(TitleMasterMode::Setup, c.usageType);
        EXPECT_EQ(dialog.heading(), QStringLiteral("科目設定"));
        EXPECT_TRUE(dialog.updateButtonVisible());
        EXPECT_EQ(dialog.statusPanels(), (QStringList{"登録", c.mainTitle, master(c.usageType)}));
        EXPECT_EQ(dialog.grid().cell(1, 1), c.firstTitle);
        EXPECT_FALSE(dialog.selection().has_value());
    }
    auto search = open(TitleMasterMode::Search, 2);
    EXPECT_EQ(search.heading(), QStringLiteral("科目検索"));
    EXPECT_FALSE(search.updateButtonVisible());
    EXPECT_EQ(search.grid().cell(1, 1), QStringLiteral("おこづかい"));
}

TEST_F(TitleMasterTest, HeadersBeepAndMoveTheSelectionInBothModes) {
    const struct {
        GridCell clicked;
        GridCell selected;
    } cases[] = {{{3, 0}, {3, 1}}, {{0, 7}, {1, 7}}, {{0, 0}, {1, 1}}};
    for (const auto mode : {TitleMasterMode::Setup, TitleMasterMode::Search}) {
        auto dialog = open(mode);
        int beeps = view.beeps;
        for (const auto& c : cases) {
            dialog.cellDoubleClick(c.clicked);
            EXPECT_EQ(view.beeps, ++beeps);
            EXPECT_EQ(dialog.selection(), c.selected);
        }
        EXPECT_FALSE(dialog.closed());
        EXPECT_FALSE(dialog.accountFilter().has_value());
    }
    EXPECT_TRUE(view.editorTexts.isEmpty());
}

TEST_F(TitleMasterTest, SearchModePicksTheTitleOrTurnsDayModeOff) {
    putFixtureMaster();
    const QByteArray before = readBytes(master());

    auto picked = open(TitleMasterMode::Search);
    picked.cellDoubleClick({2, 1});
    EXPECT_TRUE(picked.closed());
    EXPECT_EQ(picked.accountFilter(), QStringLiteral("消耗品費"));
    EXPECT_FALSE(picked.turnDayModeOff());

    auto cancelled = open(TitleMasterMode::Search);
    cancelled.update();  // hidden in this mode
    EXPECT_FALSE(cancelled.closed());
    cancelled.cancel();
    EXPECT_TRUE(cancelled.closed());
    EXPECT_TRUE(cancelled.turnDayModeOff());
    EXPECT_FALSE(cancelled.accountFilter().has_value());

    EXPECT_TRUE(view.editorTexts.isEmpty());
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_EQ(readBytes(master()), before);
}

TEST_F(TitleMasterTest, TheEditorDecidesWhatTheCellKeeps) {
    putFixtureMaster();
    const QByteArray before = readBytes(master());
    auto dialog = open(TitleMasterMode::Setup);

    view.script.push_back([](TitleEditorModel& editor) {
        editor.editChange(QStringLiteral("広告宣伝費"), 5);
        editor.cancel();
    });
    dialog.cellDoubleClick({1, 1});
    view.script.push_back(typeThenCancel(QStringLiteral("カフェ☕代")));
    dialog.cellDoubleClick({1, 3});
    view.script.push_back(type(QStringLiteral("あいうえおかきくけ")));
    dialog.cellDoubleClick({3, 4});

    EXPECT_EQ(view.editorTexts, (QStringList{"売上", "仕入", ""}));
    EXPECT_EQ(dialog.grid().cell(1, 1), QStringLiteral("売上"));
    EXPECT_EQ(dialog.grid().cell(1, 3), QStringLiteral("仕入"));
    EXPECT_EQ(dialog.grid().cell(3, 4), QStringLiteral("あいうえおかきく"));
    EXPECT_EQ(prompter.notices().size(), 1);
    EXPECT_EQ(view.beeps, 0);

    // "キャンセル" throws the edits away.
    dialog.cancel();
    EXPECT_TRUE(dialog.closed());
    EXPECT_FALSE(dialog.masterWritten());
    EXPECT_FALSE(dialog.turnDayModeOff());
    EXPECT_EQ(readBytes(master()), before);
}

TEST_F(TitleMasterTest, AMasterThatCannotBeWrittenKeepsTheEditsForAnotherTry) {
    QDir(data.path()).rmdir(QStringLiteral("cldata"));
    auto dialog = open(TitleMasterMode::Setup);
    view.script.push_back(type(QStringLiteral("売上")));
    dialog.cellDoubleClick({1, 1});
    dialog.update();

    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].kind, ScriptedPrompter::Kind::Notice);
    EXPECT_EQ(prompter.records()[0].heading, QStringLiteral("確認"));
    EXPECT_TRUE(prompter.records()[0].text.contains(master()));
    EXPECT_FALSE(dialog.closed());
    EXPECT_FALSE(dialog.masterWritten());
    EXPECT_EQ(dialog.grid().cell(1, 1), QStringLiteral("売上"));

    QDir(data.path()).mkpath(QStringLiteral("cldata"));
    dialog.update();
    EXPECT_TRUE(dialog.closed());
    EXPECT_EQ(loadAccountTitles(folders(), 1).value(0), QStringLiteral("売上"));
}

TEST_F(TitleMasterTest, AFullDiskLeavesTheOldMasterInPlace) {
    putFixtureMaster();
    const QByteArray before = readBytes(master());
    auto dialog = open(TitleMasterMode::Setup);
    view.script.push_back(type(QStringLiteral("売上高")));
    dialog.cellDoubleClick({1, 1});
    {
        FileSizeLimit limit(64);
        dialog.update();
    }
    EXPECT_EQ(prompter.notices().size(), 1);
    EXPECT_TRUE(prompter.notices().value(0).startsWith(QStringLiteral("確認: ")));
    EXPECT_EQ(readBytes(master()), before);
    EXPECT_FALSE(dialog.closed());
    EXPECT_EQ(dialog.grid().cell(1, 1), QStringLiteral("売上高"));
}

}  // namespace
