#include "print/report_composer.h"

#include "print/page_placeholders.h"
#include "print/print_sources.h"
#include "print/report_kind.h"

namespace tallyrix {

void composeReportPage(StyleTemplate& lines, int kind, const QStringList& printList,
                       int& pageCounter, const PrintSources& sources, const ComposeChoices& choices,
                       Prompter& prompter) {
    if (isLedgerReport(kind)) {
        LedgerPrintValues v = sources.ledgerValues();
        v.paperChoice = choices.paper;
        v.minusOption = choices.minusOption;
        composeLedgerPage(lines, printList, pageCounter, v);
        return;
    }
    const AnalysisFigures figures = sources.analysis();
    if (isTableReport(kind)) {
        TablePrintValues v;
        v.b4Paper = choices.paper == 1;
        v.negativeInRed = sources.negativeInRed();
        v.companyName = sources.companyName();
        v.fiscalYear = fiscalYearText(sources.periods());
        v.sideCaption = figures.sideCaption;
        v.today = sources.today();
        composeTablePage(lines, printList, pageCounter, v, prompter);
        return;
    }
    ReportTexts texts;
    texts.today = sources.today();
    texts.sideCaption = figures.sideCaption;
    texts.bookName = figures.bookName;
    texts.fiscalYear = fiscalYearText(sources.periods());
    texts.companyName = sources.companyName();
    texts.negativeInRed = sources.negativeInRed();
    switch (kind) {
        case report::kSummary:
            composeSummaryPage(lines, figures.summary, texts, pageCounter);
            break;
        case report::kBalances:
            composeBalancePage(lines, sources.balanceValues(), texts, pageCounter);
            break;
        case report::kGraph:
            composeGraphPage(lines, figures.summary, texts, pageCounter);
            break;
        default:
            break;
    }
}

}  // namespace tallyrix
