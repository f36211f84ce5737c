#include "settings/layout.h"

#include <gtest/gtest.h>

#include <QDir>

#include "core/scripted_prompter.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

class LayoutTest : public ::testing::Test {
protected:
    LayoutTest() { QDir(data.path()).mkpath(QStringLiteral("config")); }

    Folders folders() const { return Folders{data.path(), data.path()}; }
    QString file() const { return data.file("config/display.dat"); }

    TempDir data;
    ScriptedPrompter prompter;
};

TEST_F(LayoutTest, WithoutAFileTheInitialLayoutHidesTheLineIndex) {
    Layout layout;
    loadLayout(folders(), layout);
    EXPECT_EQ(layout.leftPanelWidth, 247);
    EXPECT_EQ(layout.ledgerColumnWidths, (std::array<int, 8>{30, 115, 254, 169, 121, 106, 123, 0}));
    EXPECT_EQ(layout.bookGridWidths, (std::array<int, 2>{118, 97}));
    EXPECT_EQ(layout.sidePagesWidth, 255);
}

TEST_F(LayoutTest, SavingAndLoadingReproducesEveryWidth) {
    Layout saved;
    saved.leftPanelWidth = 301;
    saved.ledgerColumnWidths = {31, 116, 255, 170, 122, 107, 124, 0};
    saved.bookGridWidths = {140, 88};
    saved.sidePagesWidth = 290;
    ASSERT_TRUE(saveLayout(folders(), saved, prompter));

    EXPECT_EQ(readBytes(file()),
              "[Version]=1.00\r\n[left_panel_width]=301\r\n"
              "[list_colwidths[0]]=31\r\n[list_colwidths[1]]=116\r\n"
              "[list_colwidths[2]]=255\r\n[list_colwidths[3]]=170\r\n"
              "[list_colwidths[4]]=122\r\n[list_colwidths[5]]=107\r\n"
              "[list_colwidths[6]]=124\r\n[list_colwidths[7]]=0\r\n"
              "[NOTESGRID[1]]=140\r\n[NOTESGRID[2]]=88\r\n[PageControl2]=290\r\n");
    EXPECT_EQ(prompter.notices(), QStringList{"確認: ディスプレイのレイアウトを保存しました。"});

    Layout loaded;
    loadLayout(folders(), loaded);
    EXPECT_EQ(loaded, saved);
}

TEST_F(LayoutTest, EachKeyHasItsOwnDefaultForANonInteger) {
    writeBytes(file(),
               "[Version]=abc\r\n[left_panel_width]=abc\r\n[list_colwidths[2]]=abc\r\n"
               "[list_colwidths[7]]=80\r\n[NOTESGRID[1]]=1.5\r\n[NOTESGRID[2]]=\r\n"
               "[PageControl2]=x\r\n[list_colwidths[3]]=70\r\n[list_colwidths[3]] = 71\r\n"
               "[NOTESGRID[3]]=9\r\n[list_colwidths[4]]=12\r\n[list_colwidths[4]]= 13 \r\n");
    Layout layout;
    layout.ledgerColumnWidths[5] = 99;  // a key the file lacks keeps the window's width
    loadLayout(folders(), layout);
    EXPECT_EQ(layout.leftPanelWidth, 100);
    EXPECT_EQ(layout.ledgerColumnWidths, (std::array<int, 8>{30, 115, 50, 70, 13, 99, 123, 0}));
    EXPECT_EQ(layout.bookGridWidths, (std::array<int, 2>{100, 50}));
    EXPECT_EQ(layout.sidePagesWidth, 255);
}

TEST_F(LayoutTest, UnwritableFileIsToldAndNotConfirmed) {
    TempDir bare;  // no config folder
    EXPECT_FALSE(saveLayout(Folders{bare.path(), bare.path()}, Layout{}, prompter));
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].heading, QStringLiteral("確認"));
    EXPECT_TRUE(prompter.records()[0].text.contains(QStringLiteral("display.dat")));
}

TEST_F(LayoutTest, SidePaneKeepsOnePixelAfterTheSplitterMoves) {
    const struct {
        int dragged;
        int kept;
    } cases[] = {{0, 1}, {1, 1}, {180, 180}};
    for (const auto& c : cases) {
        Layout layout;
        layout.leftPanelWidth = c.dragged;
        keepSidePaneOpen(layout);
        EXPECT_EQ(layout.leftPanelWidth, c.kept) << c.dragged;
    }
}

}  // namespace
