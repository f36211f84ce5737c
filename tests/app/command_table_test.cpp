#include "app/command_table.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolButton>
#include <set>

#include "app/main_window.h"
#include "core/scripted_prompter.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

// A menu as text: "-" for a separator, "> title" before a submenu's items
// (indented), each item's caption with its key after a tab.
void describe(const QMenu* menu, const QString& indent, QStringList& out) {
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            out.append(indent + u'-');
        } else if (a->menu()) {
            out.append(indent + QStringLiteral("> ") + a->menu()->title());
            describe(a->menu(), indent + QStringLiteral("  "), out);
        } else {
            const QString key = a->shortcut().toString(QKeySequence::PortableText);
            out.append(indent + a->text() + (key.isEmpty() ? QString() : u'\t' + key));
        }
    }
}

bool namesACommand(const QVariant& data) {
    bool ok = false;
    const int value = data.toInt(&ok);
    if (!ok) {
        return false;
    }
    for (const CommandEntry& entry : commandTable()) {
        if (static_cast<int>(entry.command) == value) {
            return true;
        }
    }
    return false;
}

class CommandTableTest : public ::testing::Test {
protected:
    CommandTableTest()
        : window(prompter, {installFolderFor(QStringLiteral(TALLYRIX_BIN_DIR)), tmp.file("data")},
                 {QStringLiteral("tallyrix6")}) {}
    TempDir tmp;
    ScriptedPrompter prompter;
    MainWindow window;
};

TEST(CommandTable, ListsEveryCommandOnceInTheOrderOfItsValues) {
    std::set<std::string> names;
    int expected = 0;
    for (const CommandEntry& entry : commandTable()) {
        EXPECT_EQ(static_cast<int>(entry.command), expected++) << entry.name;
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        EXPECT_TRUE(entry.run) << entry.name;
        EXPECT_EQ(&commandEntry(entry.command), &entry);
    }
    EXPECT_EQ(expected, static_cast<int>(Command::MoveRowDown) + 1);
}

TEST_F(CommandTableTest, TheMainMenuIsBuiltInOrderFromTheTable) {
    QStringList menus;
    for (QAction* a : window.menuBar()->actions()) {
        menus.append(QStringLiteral("# ") + a->menu()->title());
        describe(a->menu(), QString(), menus);
        for (QAction* item : a->menu()->actions()) {
            if (!item->isSeparator() && !item->menu() &&
                !item->objectName().startsWith(QLatin1String("restoreBackup"))) {
                EXPECT_TRUE(namesACommand(item->data())) << item->text();
            }
        }
    }
    QStringList expected = {
        "# ファイル(&F)",
        "新規作成(現金出納帳)\tCtrl+M",
        "新規作成(おこづかい帳)\tCtrl+N",
        "-",
        "ファイルを開く\tCtrl+O",
        "-",
        "保　存\tCtrl+S",
        "名前をつけて保存\tCtrl+A",
        "-",
        "出納帳印刷\tCtrl+P",
        "-",
        "リリースバージョン\tCtrl+B",
        "終了(&X)",
        "# 編集＆検索(&E)",
        "出納帳データ入力\tF5",
        "修正\tCtrl+F5",
        "先頭行へ移動\tPgUp",
        "最終行へ移動\tPgDown",
        "-",
        "> 科目検索",
        "  科目検索",
        "  科目検索解除",
        "> 摘要で検索(部分一致)",
        "  摘要で検索(部分一致)",
        "  摘要検索解除",
        "> 収入金額で検索",
        "  収入金額で検索",
        "  収入金額検索解除",
        "> 支出金額で検索",
        "  支出金額で検索",
        "  支出金額検索解除",
        "現在の検索条件を表示",
        "検索解除\tEsc",
        "-",
        "科目設定\tCtrl+B",  // shown only: Ctrl+B runs the release information
        "月別科目一覧表\tCtrl+E",
        "# その他(&O)",
        "CSV出力\tCtrl+O",  // shown only: Ctrl+O opens a file
        "日付再計算",
        "金額再計算",
        "-",
        "現在の画面デザインを保存する",
        "# バックアップファイル(&B)",
    };
    for (int n = 1; n <= 10; ++n) {
        expected.append(QStringLiteral("---\tCtrl+Shift+F%1").arg(n));
    }
    expected += QStringList{"# 設定(&H)",   "環境設定\tCtrl+G", "-", "金種計算", "電卓を起動",
                            "# ヘルプ(&H)", "マニュアル(&H)"};
    EXPECT_EQ(menus, expected);
    // The shown-only keys are no keys of their items.
    EXPECT_TRUE(window.action(Command::ExportCsv)->shortcut().isEmpty());
    EXPECT_TRUE(window.action(Command::EditTitleMaster)->shortcut().isEmpty());
}

TEST_F(CommandTableTest, EveryToolButtonRunsACommandOfTheTable) {
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("toolTabs"));
    ASSERT_NE(tabs, nullptr);
    QStringList buttons;
    for (int t = 0; t < tabs->count(); ++t) {
        buttons.append(QStringLiteral("# ") + tabs->tabText(t));
        for (QToolButton* button : tabs->widget(t)->findChildren<QToolButton*>()) {
            const QVariant command = button->property("command");
            ASSERT_TRUE(namesACommand(command)) << button->text().toStdString();
            const CommandEntry& entry = commandEntry(static_cast<Command>(command.toInt()));
            buttons.append(button->text() + u'|' + QLatin1String(entry.name));
            // A button follows its command's own rule, never a menu's state.
            EXPECT_EQ(button->isEnabled(), !entry.enabled || entry.enabled(window.model()))
                << entry.name;
        }
    }
    const QStringList expected = {
        "# データファイル",
        "ﾌｧｲﾙを開く|fileopen",
        "保　存|filesave",
        "名前をつけて|fileAsSave",
        "科目設定|masterKamoku",
        "おこづかい帳|new2Data",
        "現金出納帳|new1data",
        "次年度作成|makeNextData",
        "# 現金出納帳",
        "新規入力|datainput",
        "修　正|dataedit",
        "現金出納帳|note1",
        "小口現金|note2",
        "預金出納帳|note3",
        "出納帳印刷|printnote",
        "帳簿残高|printzandaka",
        "科目検索|searchKamoku",
        "検索実行|target_Notes",
        "検索解除|searchClear",
        "# 月別一覧表",
        "Back|back",
        "月別一覧表|monthlySum",
        "入出金グラフ|graph",
        "月別一覧表|monthlyprint",
        "入出金集計|incomeprint",
        "入出金グラフ|graphprint",
        "# その他",
        "金種計算|cashcalcExec",
        "電卓を起動|calcExec",
        "金額再計算|kingakuAgain",
        "日付再計算|dateAgain",
        "CSV出力|csvfileOut",
        "環境設定|configExec",
        "リリースVer|releaseVersion",
    };
    EXPECT_EQ(buttons, expected);
}

}  // namespace
