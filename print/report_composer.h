#pragma once

#include <QStringList>

#include "print/style_template.h"

namespace tallyrix {

class Prompter;
class PrintSources;

// The choices of the print page that a composer reads.
struct ComposeChoices {
    int paper = 0;        // the paper choice of the report
    int minusOption = 0;  // on the forms: 0 balances without the sign, 1 with it
};

// Composes page `pageCounter` of a report into the freshly loaded template with
// the composer of its kind: the ledgers (2, 3, 7, 8, 9, 10) and the monthly
// table (5, 6) from the print list, the summary (20), the book balances (30)
// and the graph (40) from the sources. Sets the counter to 0 on the last page.
void composeReportPage(StyleTemplate& lines, int reportKind, const QStringList& printList,
                       int& pageCounter, const PrintSources& sources, const ComposeChoices& choices,
                       Prompter& prompter);

}  // namespace tallyrix
