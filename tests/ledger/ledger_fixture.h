#pragma once

#include "core/scripted_prompter.h"
#include "ledger/ledger_model.h"
#include "tests/support/temp_dir.h"
#include "yearfile/year_file.h"

namespace tallyrix::test {

// The business year of the fixtures (start month 4, closing day 20, the
// petty-cash book 営業部 and the bank book みずほ銀行, "7月" locked) in a ledger
// view whose today is 2015/05/10.
class LedgerFixture {
public:
    LedgerFixture() : view(ws, prompter, [] { return QDate(2015, 5, 10); }) {
        parseYearFile(fixture(QStringLiteral("yearfile/business_2015.exv")), ws,
                      QDate(2015, 5, 10));
        ws.currentBook = ws.mainBook();
        view.yearLoaded(YearHost::Arrival::Opened);
        prompter.clear();
    }

    // The rows as "marker|date|title|description|income|expense|balance|line".
    QStringList rowTexts() const {
        QStringList texts;
        for (const LedgerRow& r : view.rows()) {
            texts.append(QStringList{r.marker, r.date, r.title, r.description, r.income, r.expense,
                                     r.balance, r.lineIndex}
                             .join(u'|'));
        }
        return texts;
    }

    Workspace ws;
    ScriptedPrompter prompter;
    LedgerModel view;
};

}  // namespace tallyrix::test
