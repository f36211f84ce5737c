#include "app/command_table.h"

#include <array>

#include "app/main_window_model.h"

namespace tallyrix {
namespace {

using M = MainWindowModel;

QKeySequence key(QKeyCombination combination) {
    return QKeySequence(combination);
}

std::vector<CommandEntry> buildTable() {
    const QString book = QStringLiteral("現金出納帳");
    const QString file = QStringLiteral("ファイル");
    const QString other = QStringLiteral("その他");
    const QString table = QStringLiteral("月別一覧表");
    return {
        {Command::ShowMainBook, "note1", "現金出納帳", book, {}, false, &M::showMainBook},
        {Command::ShowPettyCashBook, "note2", "小口現金", book, {}, false, &M::showPettyCashBook},
        {Command::ShowBankBook, "note3", "預金出納帳", book, {}, false, &M::showBankBook},
        {Command::NewEntry, "datainput", "出納帳データ入力", book, key(Qt::Key_F5), false,
         &M::newEntry},
        {Command::EditEntry, "dataedit", "修正", book, key(Qt::CTRL | Qt::Key_F5), false,
         &M::editEntry},
        {Command::SelectFirstRow, "moveTop", "先頭行へ移動", book, key(Qt::Key_PageUp), false,
         &M::selectFirstRow},
        {Command::SelectLastRow, "MoveDown", "最終行へ移動", book, key(Qt::Key_PageDown), false,
         &M::selectLastRow},
        {Command::PrintLedger, "printnote", "出納帳印刷", book, key(Qt::CTRL | Qt::Key_P), false,
         &M::printLedger},
        {Command::PrintBalances,
         "printzandaka",
         "帳簿残高印刷",
         book,
         {},
         false,
         &M::printBalances},
        {Command::ToggleDayMode, "datesearch", "日付指定", book, {}, false, &M::toggleDayMode},
        {Command::RunSearch, "target_Notes", "検索実行", book, key(Qt::CTRL | Qt::Key_F), false,
         [](M& m) { m.search().runSearch(); }},
        {Command::SearchByTitle, "searchKamoku", "科目検索", book, {}, false, &M::searchByTitle},
        {Command::SearchByDescription,
         "searchItem",
         "摘要で検索(部分一致)",
         book,
         {},
         false,
         [](M& m) { m.search().searchByDescription(); }},
        {Command::SearchByIncome,
         "searchIncome",
         "収入金額で検索",
         book,
         {},
         false,
         [](M& m) { m.search().searchByIncome(); }},
        {Command::SearchByExpense,
         "searchOutcome",
         "支出金額で検索",
         book,
         {},
         false,
         [](M& m) { m.search().searchByExpense(); }},
        {Command::ShowSearchConditions,
         "searchPreview",
         "現在の検索条件を表示",
         book,
         {},
         false,
         [](M& m) { m.search().showSearchConditions(); }},
        {Command::CancelTitleSearch,
         "cancelKamoku",
         "科目検索解除",
         book,
         {},
         false,
         [](M& m) { m.search().clear(LedgerSearch::ClearAccount); }},
        {Command::CancelDescriptionSearch,
         "cancelItem",
         "摘要検索解除",
         book,
         {},
         false,
         [](M& m) { m.search().clear(LedgerSearch::ClearDescription); }},
        {Command::CancelIncomeSearch,
         "cancelIncome",
         "収入金額検索解除",
         book,
         {},
         false,
         [](M& m) { m.search().clear(LedgerSearch::ClearIncome); }},
        {Command::CancelExpenseSearch,
         "cancelOutcome",
         "支出金額検索解除",
         book,
         {},
         false,
         [](M& m) { m.search().clear(LedgerSearch::ClearExpense); }},
        {Command::ClearSearches, "searchClear", "検索解除", book, key(Qt::Key_Escape), false,
         [](M& m) { m.search().clear(LedgerSearch::ClearAll); }},
        // Ctrl+B belongs to showReleaseVersion, which comes first in the menus.
        {Command::EditTitleMaster, "masterKamoku", "科目設定", file, key(Qt::CTRL | Qt::Key_B),
         true, &M::editTitleMaster},
        {Command::NewBusinessYear, "new1data", "新規作成(現金出納帳)", file,
         key(Qt::CTRL | Qt::Key_M), false, &M::newBusinessYear},
        {Command::NewPocketMoneyYear, "new2Data", "新規作成(おこづかい帳)", file,
         key(Qt::CTRL | Qt::Key_N), false, &M::newPocketMoneyYear},
        {Command::MakeNextYear,
         "makeNextData",
         "表示中のデータから残高を引き継いで次年度分を作成",
         file,
         {},
         false,
         &M::makeNextYear},
        {Command::OpenFile, "fileopen", "ファイルを開く", file, key(Qt::CTRL | Qt::Key_O), false,
         &M::openFile},
        {Command::Save, "filesave", "保　存", file, key(Qt::CTRL | Qt::Key_S), false, &M::save},
        {Command::SaveAs, "fileAsSave", "名前をつけて保存", file, key(Qt::CTRL | Qt::Key_A), false,
         &M::saveAs},
        {Command::Exit, "FileExit1", "終了(&X)", file, {}, false, &M::exit},
        // Ctrl+O belongs to openFile, which comes first in the menus.
        {Command::ExportCsv, "csvfileOut", "CSV出力", other, key(Qt::CTRL | Qt::Key_O), true,
         &M::exportCsv},
        {Command::RecomputeDates, "dateAgain", "日付再計算", other, {}, false, &M::recomputeDates},
        {Command::RecomputeBalances,
         "kingakuAgain",
         "金額再計算",
         other,
         {},
         false,
         &M::recomputeBalances},
        {Command::SaveScreenLayout,
         "mdisplay_write",
         "現在の画面デザインを保存する",
         other,
         {},
         false,
         &M::saveScreenLayout},
        {Command::StartCalculator, "calcExec", "電卓を起動", other, {}, false, &M::startCalculator},
        {Command::StartDenominationCalculator,
         "cashcalcExec",
         "金種計算",
         other,
         {},
         false,
         &M::startDenominationCalculator},
        {Command::ShowSettings, "configExec", "環境設定", other, key(Qt::CTRL | Qt::Key_G), false,
         &M::showSettings},
        {Command::ShowReleaseVersion, "releaseVersion", "リリースバージョン", other,
         key(Qt::CTRL | Qt::Key_B), false, &M::showReleaseVersion},
        {Command::TableBack, "back", "Back", table, {}, false, &M::tableBack},
        {Command::ComputeTable, "monthlySum", "集計", table, {}, false, &M::computeTable},
        {Command::ShowGraph, "graph", "入出金グラフ", table, {}, false, &M::showGraph},
        {Command::PrintTable, "monthlyprint", "印刷", table, {}, false, &M::printTable},
        {Command::PrintSummary,
         "incomeprint",
         "入出金集計表印刷",
         table,
         {},
         false,
         &M::printSummary},
        {Command::PrintGraph, "graphprint", "入出金グラフ印刷", table, {}, false, &M::printGraph},
        {Command::ShowMonthlyTable, "monthlyTable", "月別科目一覧表", table,
         key(Qt::CTRL | Qt::Key_E), false, &M::showMonthlyTable},
        {Command::OpenManual,
         "manual",
         "マニュアル(&H)",
         QStringLiteral("ヘルプ"),
         {},
         false,
         &M::openManual},
        {Command::EditRow, "editRow", "この行を修正する", book, {}, false, &M::editEntry},
        {Command::MoveRowDown,
         "moveRowDown",
         "一行下へ移動する",
         book,
         {},
         false,
         &M::moveEntryDown},
    };
}

}  // namespace

const std::vector<CommandEntry>& commandTable() {
    static const std::vector<CommandEntry> table = buildTable();
    return table;
}

const CommandEntry& commandEntry(Command command) {
    // The table lists every command once, in the order of the enumeration.
    static const auto index = [] {
        std::array<const CommandEntry*, static_cast<size_t>(Command::MoveRowDown) + 1> found{};
        for (const CommandEntry& entry : commandTable()) {
            found[static_cast<size_t>(entry.command)] = &entry;
        }
        return found;
    }();
    return *index[static_cast<size_t>(command)];
}

const std::vector<MenuSpec>& mainMenu() {
    using I = MenuItem;
    using C = Command;
    static const std::vector<MenuSpec> menus = {
        {"ファイル(&F)",
         {I::of(C::NewBusinessYear), I::of(C::NewPocketMoneyYear), I::separator(),
          I::of(C::OpenFile), I::separator(), I::of(C::Save), I::of(C::SaveAs), I::separator(),
          I::of(C::PrintLedger), I::separator(), I::of(C::ShowReleaseVersion), I::of(C::Exit)}},
        {"編集＆検索(&E)",
         {I::of(C::NewEntry), I::of(C::EditEntry), I::of(C::SelectFirstRow),
          I::of(C::SelectLastRow), I::separator(),
          I::sub("科目検索", {C::SearchByTitle, C::CancelTitleSearch}),
          I::sub("摘要で検索(部分一致)", {C::SearchByDescription, C::CancelDescriptionSearch}),
          I::sub("収入金額で検索", {C::SearchByIncome, C::CancelIncomeSearch}),
          I::sub("支出金額で検索", {C::SearchByExpense, C::CancelExpenseSearch}),
          I::of(C::ShowSearchConditions), I::of(C::ClearSearches), I::separator(),
          I::of(C::EditTitleMaster), I::of(C::ShowMonthlyTable)},
         true},
        {"その他(&O)",
         {I::of(C::ExportCsv), I::of(C::RecomputeDates), I::of(C::RecomputeBalances),
          I::separator(), I::of(C::SaveScreenLayout)}},
        {"バックアップファイル(&B)", {}, false, true},
        {"設定(&H)",
         {I::of(C::ShowSettings), I::separator(), I::of(C::StartDenominationCalculator),
          I::of(C::StartCalculator)}},
        {"ヘルプ(&H)", {I::of(C::OpenManual)}},
    };
    return menus;
}

const std::vector<ToolTabSpec>& toolTabs() {
    using C = Command;
    static const std::vector<ToolTabSpec> tabs = {
        {"データファイル",
         {{"読み込み", {{C::OpenFile, "ﾌｧｲﾙを開く"}}},
          {"データ保存", {{C::Save, {}}, {C::SaveAs, "名前をつけて"}}},
          {"マスターデータ", {{C::EditTitleMaster, {}}}},
          {"新規帳簿作成",
           {{C::NewPocketMoneyYear, "おこづかい帳"}, {C::NewBusinessYear, "現金出納帳"}}},
          {"表示中のデータから残高を引き継いで次年度分を作成", {{C::MakeNextYear, "次年度作成"}}}}},
        {"現金出納帳",
         {{"データ入力", {{C::NewEntry, "新規入力"}, {C::EditEntry, "修　正"}}},
          {"帳簿選択", {{C::ShowMainBook, {}}, {C::ShowPettyCashBook, {}}, {C::ShowBankBook, {}}}},
          {"帳簿印刷", {{C::PrintLedger, {}}, {C::PrintBalances, "帳簿残高"}}},
          {"検索条件指定",
           {{C::SearchByTitle, {}}, {C::RunSearch, {}}, {C::ClearSearches, {}}},
           true}}},
        {"月別一覧表",
         {{"表示切替", {{C::TableBack, {}}}},
          {"集計項目", {{C::ComputeTable, "月別一覧表"}, {C::ShowGraph, {}}}},
          {"印　刷",
           {{C::PrintTable, "月別一覧表"},
            {C::PrintSummary, "入出金集計"},
            {C::PrintGraph, "入出金グラフ"}}}}},
        {"その他",
         {{"外部プログラム起動", {{C::StartDenominationCalculator, {}}, {C::StartCalculator, {}}}},
          {"データ保守", {{C::RecomputeBalances, {}}, {C::RecomputeDates, {}}}},
          {"外部出力・設定", {{C::ExportCsv, {}}, {C::ShowSettings, {}}}},
          {"バージョン", {{C::ShowReleaseVersion, "リリースVer"}}}}},
    };
    return tabs;
}

const std::vector<Command>& ledgerPopupMenu() {
    static const std::vector<Command> items = {Command::EditRow, Command::MoveRowDown};
    return items;
}

}  // namespace tallyrix
