#pragma once

#include <QString>

namespace tallyrix {

// The choices of the print page a style file name is made of.
struct StyleChoices {
    int paper = 0;   // index into the report's paper choices
    int font = 0;    // 0 "ゴシック", 1 "明　朝"
    int column = 0;  // the account-title column: 0 "あり", 1 "なし"
    int colour = 0;  // heading colour: 0 GRAY, 1 BLUE, 2 PINK, 3 WHITE
};

// The style file of a report under the style folder, with its extension:
// "A4現金出納帳_月分1_ゴシックG.sle", "コクヨ銀行勘定帳_リ-108.sle",
// "B4月別一覧表_摘要_ゴシックP.slf", "入出金集計表.sle". Empty for a report
// kind that has none.
QString styleFileName(int reportKind, const StyleChoices& choices);

}  // namespace tallyrix
