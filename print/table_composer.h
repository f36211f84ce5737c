#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "print/style_template.h"

namespace tallyrix {

class Prompter;

// What a page of the monthly table shows besides its rows.
struct TablePrintValues {
    bool b4Paper = false;  // the second paper choice: the larger amount types
    bool negativeInRed = false;
    QString companyName;
    QString fiscalYear;   // "#PY"
    QString sideCaption;  // "#TL": "月別科目一覧表" or the title + "明細表"
    QDate today;
};

// The type size and pitch that fit an amount of 10 to 13 characters into its
// box on the paper; nothing for other lengths (the style's own stay).
struct AmountFit {
    QString size;
    QString pitch;
};
std::optional<AmountFit> tableAmountFit(qsizetype length, bool b4Paper);

// Composes page `pageCounter` of the monthly table into the freshly loaded
// template: row 00 is the heading row of the print list, rows 01 .. L (L from
// "#maxline=") the table rows of the page, "#k" + column letter a .. n + "_" +
// row the cells. Sets the counter to 0 on the last page. A template without a
// row count is reported, shows the heading row only and is a one-page report.
void composeTablePage(StyleTemplate& lines, const QStringList& printList, int& pageCounter,
                      const TablePrintValues& values, Prompter& prompter);

}  // namespace tallyrix
