#pragma once

#include <QDate>
#include <QString>
#include <array>

#include "analysis/summary_figures.h"
#include "core/amount.h"
#include "print/style_template.h"

namespace tallyrix {

// One fiscal month of the income/expense summary as the summary page shows it
// ("#,##0" texts): what the summary and graph prints fill in.
struct SummaryPrintMonth {
    QString income;
    QString cumulativeIncome;
    QString expense;
    QString cumulativeExpense;
    QString difference;
    QString cumulativeDifference;
    QDate month;  // the first day of its calendar month
};

// The figures of the summary page: the twelve fiscal months, the date range of
// the year and the scale maximum of its graph.
struct SummaryPrintFigures {
    std::array<SummaryPrintMonth, 12> months;
    QString range;
    Amount scaleMaximum;
};

// The summary page's figures as the prints read them.
SummaryPrintFigures summaryPrintFigures(const SummaryFigures& summary);

// The texts every summary report fills besides its figures.
struct ReportTexts {
    QDate today;
    QString sideCaption;  // "#TL"
    QString bookName;     // the book chooser of the monthly table
    QString fiscalYear;   // "#PY" of the graph
    QString companyName;  // "#OF", as on the ledger and table pages
    bool negativeInRed = false;
};

// "#date", "#Y", "#M", "#D", "#W", "#PY" (graph only), "#pg", "#TL", "#date"
// again and "#range" of the reports 20, 30 and 40; the summary also fills
// "#notesname" and the graph "#notename" with the book. "#OF" gets the company
// name as on the other reports, so that a style placing it never prints it raw.
QString fillReportTexts(const QString& line, int reportKind, const ReportTexts& texts, int page,
                        const QString& range);

// The summary (report kind 20): every month's figures and the year column; one page.
void composeSummaryPage(StyleTemplate& lines, const SummaryPrintFigures& figures,
                        const ReportTexts& texts, int pageCounter);

// The graph (report kind 40): the figures, then two bars a month appended as
// rounded rectangles standing on y = 155 mm, the scale maximum 125 mm high.
void composeGraphPage(StyleTemplate& lines, const SummaryPrintFigures& figures,
                      const ReportTexts& texts, int pageCounter);

// The top of a bar in mm for a figure ("#,##0") on the scale: 155 for "0";
// a bar too low to see is drawn 2 mm high. Raises a ConversionError when the
// figure is not a number.
QString graphBarTop(const QString& figure, Amount scaleMaximum);

}  // namespace tallyrix
