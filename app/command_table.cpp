#include "app/command_table.h"

namespace tallyrix {

const std::vector<CommandSpec>& commandList() {
    static const std::vector<CommandSpec> list = {
        {"note1", "現金出納帳", "現金出納帳", {}},
        {"note2", "小口現金", "現金出納帳", {}},
        {"note3", "預金出納帳", "現金出納帳", {}},
        {"datainput", "出納帳データ入力", "現金出納帳", QKeySequence(Qt::Key_F5)},
        {"dataedit", "修正", "現金出納帳", QKeySequence(Qt::CTRL | Qt::Key_F5)},
        {"moveTop", "先頭行へ移動", "現金出納帳", QKeySequence(Qt::Key_PageUp)},
        {"MoveDown", "最終行へ移動", "現金出納帳", QKeySequence(Qt::Key_PageDown)},
        {"printnote", "出納帳印刷", "現金出納帳", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"printzandaka", "帳簿残高印刷", "現金出納帳", {}},
        {"datesearch", "日付指定", "現金出納帳", {}},
        {"target_Notes", "検索実行", "現金出納帳", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"searchKamoku", "科目検索", "現金出納帳", {}},
        {"searchItem", "摘要で検索(部分一致)", "現金出納帳", {}},
        {"searchIncome", "収入金額で検索", "現金出納帳", {}},
        {"searchOutcome", "支出金額で検索", "現金出納帳", {}},
        {"searchPreview", "現在の検索条件を表示", "現金出納帳", {}},
        {"cancelKamoku", "科目検索解除", "現金出納帳", {}},
        {"cancelItem", "摘要検索解除", "現金出納帳", {}},
        {"cancelIncome", "収入金額検索解除", "現金出納帳", {}},
        {"cancelOutcome", "支出金額検索解除", "現金出納帳", {}},
        {"searchClear", "検索解除", "現金出納帳", QKeySequence(Qt::Key_Escape)},
        // Ctrl+B belongs to showReleaseVersion, which comes first in the menus.
        {"masterKamoku", "科目設定", "ファイル", QKeySequence(Qt::CTRL | Qt::Key_B), true},
        {"new1data", "新規作成(現金出納帳)", "ファイル", QKeySequence(Qt::CTRL | Qt::Key_M)},
        {"new2Data", "新規作成(おこづかい帳)", "ファイル", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"makeNextData", "表示中のデータから残高を引き継いで次年度分を作成", "ファイル", {}},
        {"fileopen", "ファイルを開く", "ファイル", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"filesave", "保　存", "ファイル", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"fileAsSave", "名前をつけて保存", "ファイル", QKeySequence(Qt::CTRL | Qt::Key_A)},
        {"FileExit1", "終了(&X)", "ファイル", {}},
        // Ctrl+O belongs to openFile, which comes first in the menus.
        {"csvfileOut", "CSV出力", "その他", QKeySequence(Qt::CTRL | Qt::Key_O), true},
        {"dateAgain", "日付再計算", "その他", {}},
        {"kingakuAgain", "金額再計算", "その他", {}},
        {"mdisplay_write", "現在の画面デザインを保存する", "その他", {}},
        {"calcExec", "電卓を起動", "その他", {}},
        {"cashcalcExec", "金種計算", "その他", {}},
        {"configExec", "環境設定", "その他", QKeySequence(Qt::CTRL | Qt::Key_G)},
        {"releaseVersion", "リリースバージョン", "その他", QKeySequence(Qt::CTRL | Qt::Key_B)},
        {"back", "Back", "月別一覧表", {}},
        {"monthlySum", "集計", "月別一覧表", {}},
        {"graph", "入出金グラフ", "月別一覧表", {}},
        {"monthlyprint", "印刷", "月別一覧表", {}},
        {"incomeprint", "入出金集計表印刷", "月別一覧表", {}},
        {"graphprint", "入出金グラフ印刷", "月別一覧表", {}},
        // Menu items that are no command of the list.
        {"monthlyTable", "月別科目一覧表", "月別一覧表", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"manual", "マニュアル(&H)", "ヘルプ", {}},
        {"editRow", "この行を修正する", "現金出納帳", {}},
        {"moveRowDown", "一行下へ移動する", "現金出納帳", {}},
    };
    return list;
}

const CommandSpec* findCommand(const QString& name) {
    for (const CommandSpec& spec : commandList()) {
        if (name == QLatin1String(spec.name)) {
            return &spec;
        }
    }
    return nullptr;
}

const std::vector<MenuSpec>& mainMenu() {
    static const std::vector<MenuSpec> menus = {
        {"ファイル(&F)",
         {"new1data", "new2Data", "-", "fileopen", "-", "filesave", "fileAsSave", "-", "printnote",
          "-", "releaseVersion", "FileExit1"}},
        {"編集＆検索(&E)",
         {"datainput",
          "dataedit",
          "moveTop",
          "MoveDown",
          "-",
          "menu:科目検索",
          "searchKamoku",
          "cancelKamoku",
          "end",
          "menu:摘要で検索(部分一致)",
          "searchItem",
          "cancelItem",
          "end",
          "menu:収入金額で検索",
          "searchIncome",
          "cancelIncome",
          "end",
          "menu:支出金額で検索",
          "searchOutcome",
          "cancelOutcome",
          "end",
          "searchPreview",
          "searchClear",
          "-",
          "masterKamoku",
          "monthlyTable"}},
        {"その他(&O)", {"csvfileOut", "dateAgain", "kingakuAgain", "-", "mdisplay_write"}},
        {"バックアップファイル(&B)", {}, true},
        {"設定(&H)", {"configExec", "-", "cashcalcExec", "calcExec"}},
        {"ヘルプ(&H)", {"manual"}},
    };
    return menus;
}

}  // namespace tallyrix
