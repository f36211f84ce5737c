#include "app/title_master_dialog.h"

#include "app/dialog_host.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/scripted_prompter.h"
#include "tests/support/gui_events.h"
#include "tests/support/temp_dir.h"
#include "widgets/gradient_panel.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

// The title editor's window with the beep counted instead of sounded.
class CountingTitleWindow : public DialogHost {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

// The business master: three titles in column 1, one in column 2 row 1.
class TitleMasterDialogTest : public ::testing::Test {
protected:
    TitleMasterDialogTest() {
        QDir().mkpath(data.file("cldata"));
        AccountTitleGrid master;
        master.setCell(1, 1, QStringLiteral("売上"));
        master.setCell(1, 2, QStringLiteral("仕入"));
        master.setCell(1, 3, QStringLiteral("旅費交通費"));
        master.setCell(2, 1, QStringLiteral("消耗品費"));
        master.save(masterFile());
    }

    QString masterFile() const { return data.file("cldata/kamoku1.dat"); }

    void open(TitleMasterMode mode) {
        model = std::make_unique<TitleMasterModel>(mode, 1, Folders{data.path(), data.path()},
                                                   prompter, window);
        dialog = std::make_unique<TitleMasterDialog>(*model);
        dialog->show();
        grid = dialog->findChild<QTableWidget*>(QStringLiteral("titleGrid"));
        ASSERT_NE(grid, nullptr);
    }

    // Column and row of the model (headers are 0).
    QPoint cellCentre(int column, int row) const {
        return grid->visualRect(grid->model()->index(row - 1, column - 1)).center();
    }
    QModelIndexList selected() const { return grid->selectionModel()->selectedIndexes(); }
    QModelIndex viewIndex(int column, int row) const {
        return grid->model()->index(row - 1, column - 1);
    }

    TempDir data;
    ScriptedPrompter prompter;
    CountingTitleWindow window;
    std::unique_ptr<TitleMasterModel> model;
    std::unique_ptr<TitleMasterDialog> dialog;
    QTableWidget* grid = nullptr;
};

TEST_F(TitleMasterDialogTest, SetupEditsACellThroughTheEditorAndUpdatesTheMaster) {
    open(TitleMasterMode::Setup);
    EXPECT_EQ(dialog->findChild<GradientPanel*>(QStringLiteral("heading"))->text(),
              QStringLiteral("科目設定"));
    QStringList status;
    for (QLabel* panel : dialog->findChild<QStatusBar*>()->findChildren<QLabel*>()) {
        status.append(panel->text());
    }
    EXPECT_EQ(status, model->statusPanels());
    EXPECT_EQ(grid->rowCount(), 15);
    EXPECT_EQ(grid->columnCount(), 4);
    EXPECT_EQ(grid->item(2, 0)->text(), QStringLiteral("旅費交通費"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("消耗品費"));
    EXPECT_TRUE(selected().isEmpty());
    auto* update = dialog->findChild<QPushButton*>(QStringLiteral("updateButton"));
    EXPECT_FALSE(update->isHidden());

    // The real editor opens modally over the master.
    QString editorOpenedWith;
    whenModalShows([&](QWidget* editor) {
        auto* edit = editor->findChild<QLineEdit*>(QStringLiteral("titleEdit"));
        editorOpenedWith = edit->text();
        edit->selectAll();
        typeText(edit, QStringLiteral("交際費"));
        editor->findChild<QPushButton*>(QStringLiteral("executeButton"))->click();
    });
    doubleClick(grid->viewport(), cellCentre(1, 2));
    EXPECT_EQ(editorOpenedWith, QStringLiteral("仕入"));
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("交際費"));
    EXPECT_EQ(selected(), QModelIndexList{viewIndex(1, 2)});
    EXPECT_TRUE(dialog->isVisible());

    update->click();
    EXPECT_EQ(prompter.records().back().text, QStringLiteral("科目設定を更新しました。"));
    EXPECT_FALSE(dialog->isVisible());
    AccountTitleGrid reread;
    reread.load(masterFile());
    EXPECT_EQ(reread.cell(1, 2), QStringLiteral("交際費"));
}

TEST_F(TitleMasterDialogTest, HeaderDoubleClicksBeepAndMoveTheSelection) {
    open(TitleMasterMode::Setup);
    QHeaderView* columns = grid->horizontalHeader();
    QHeaderView* rows = grid->verticalHeader();
    doubleClick(columns->viewport(),
                QPoint(columns->sectionViewportPosition(2) + columns->sectionSize(2) / 2,
                       columns->height() / 2));
    EXPECT_EQ(window.beeps, 1);
    EXPECT_EQ(selected(), QModelIndexList{viewIndex(3, 1)});

    doubleClick(rows->viewport(), QPoint(rows->width() / 2, rows->sectionViewportPosition(6) +
                                                                rows->sectionSize(6) / 2));
    EXPECT_EQ(window.beeps, 2);
    EXPECT_EQ(selected(), QModelIndexList{viewIndex(1, 7)});
    EXPECT_TRUE(prompter.records().empty());
}

TEST_F(TitleMasterDialogTest, SearchPicksATitleOrCancelsWithoutTheUpdateButton) {
    open(TitleMasterMode::Search);
    EXPECT_EQ(dialog->findChild<GradientPanel*>(QStringLiteral("heading"))->text(),
              QStringLiteral("科目検索"));
    EXPECT_TRUE(dialog->findChild<QPushButton*>(QStringLiteral("updateButton"))->isHidden());
    doubleClick(grid->viewport(), cellCentre(2, 1));
    EXPECT_EQ(model->accountFilter(), QStringLiteral("消耗品費"));
    EXPECT_FALSE(dialog->isVisible());

    open(TitleMasterMode::Search);
    dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    EXPECT_TRUE(model->turnDayModeOff());
    EXPECT_FALSE(model->accountFilter().has_value());
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(TitleMasterDialogTest, EnterActsOnTheCurrentCellAsADoubleClick) {
    open(TitleMasterMode::Search);
    grid->setFocus();
    key(grid, Qt::Key_Return);  // no cell yet: nothing
    EXPECT_TRUE(dialog->isVisible());
    grid->setCurrentCell(0, 0);
    key(grid, Qt::Key_Down);
    key(grid, Qt::Key_Enter);
    EXPECT_EQ(model->accountFilter(), QStringLiteral("仕入"));
    EXPECT_FALSE(dialog->isVisible());

    // In set-up mode Enter opens the editor on the cell, as a double-click does.
    open(TitleMasterMode::Setup);
    grid->setCurrentCell(2, 0);
    whenModalShows([](QWidget* editor) {
        auto* edit = editor->findChild<QLineEdit*>(QStringLiteral("titleEdit"));
        edit->selectAll();
        typeText(edit, QStringLiteral("交通費"));
        key(edit, Qt::Key_Return);
    });
    key(grid, Qt::Key_Return);
    EXPECT_EQ(grid->item(2, 0)->text(), QStringLiteral("交通費"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(prompter.records().empty());
}

class TitleEditorDialogTest : public ::testing::Test {
protected:
    void open(const QString& text) {
        model = std::make_unique<TitleEditorModel>(prompter, text);
        dialog = std::make_unique<TitleEditorDialog>(*model);
        dialog->show();
        edit = dialog->findChild<QLineEdit*>(QStringLiteral("titleEdit"));
        ASSERT_NE(edit, nullptr);
    }

    ScriptedPrompter prompter;
    std::unique_ptr<TitleEditorModel> model;
    std::unique_ptr<TitleEditorDialog> dialog;
    QLineEdit* edit = nullptr;
};

TEST_F(TitleEditorDialogTest, TypingIsCutToSixteenBytesWithTheCaretAtTheEnd) {
    const struct {
        const char* typed;  // by keys, or committed by the input method
        bool inputMethod;
        int caretBefore;  // -1: at the end
        const char* expected;
    } cases[] = {
        {"科目科目科目科目科", false, -1, "科目科目科目科目"},
        {"ABCDEFGHIJKLMNOPQ", false, -1, "ABCDEFGHIJKLMNOP"},
        {"あいうえおかきくけこ", true, -1, "あいうえおかきく"},
        // Inside a full title: the end goes, and the caret with it.
        {"A", false, 2, "科目A科目科目科"},
    };
    for (const auto& c : cases) {
        open(c.caretBefore < 0 ? QString() : QStringLiteral("科目科目科目科目"));
        if (c.caretBefore >= 0) {
            edit->setCursorPosition(c.caretBefore);
        }
        const QString typed = QString::fromUtf8(c.typed);
        if (c.inputMethod) {
            QInputMethodEvent event;
            event.setCommitString(typed);
            QApplication::sendEvent(edit, &event);
        } else {
            typeText(edit, typed);
        }
        const QString expected = QString::fromUtf8(c.expected);
        EXPECT_EQ(edit->text(), expected) << c.typed;
        EXPECT_EQ(model->text(), expected) << c.typed;
        EXPECT_EQ(edit->cursorPosition(), expected.size()) << c.typed;
    }
}

TEST_F(TitleEditorDialogTest, EnterStoresAndARefusedTitleStaysForCorrection) {
    open(QStringLiteral("売上"));
    key(edit, 0, QStringLiteral("🍣"));
    dialog->findChild<QPushButton*>(QStringLiteral("executeButton"))->click();
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_TRUE(prompter.records()[0].text.contains(QStringLiteral("🍣")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(edit->text(), QStringLiteral("売上🍣"));

    key(edit, Qt::Key_Backspace);
    key(edit, Qt::Key_Return);
    EXPECT_TRUE(model->stored());
    EXPECT_EQ(model->text(), QStringLiteral("売上"));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(TitleEditorDialogTest, CancelKeepsNothing) {
    open(QStringLiteral("売上"));
    typeText(edit, QStringLiteral("高"));
    key(edit, Qt::Key_Escape);
    EXPECT_TRUE(model->closed());
    EXPECT_FALSE(model->stored());
    EXPECT_FALSE(dialog->isVisible());
}

}  // namespace
