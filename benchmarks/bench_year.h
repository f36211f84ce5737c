#pragma once

#include <QDate>

#include "core/format_settings.h"
#include "ledger/periods.h"
#include "yearfile/workspace.h"

namespace tallyrix::bench {

// A year of `entries` entries spread over the main cash book, 14 petty-cash and
// 15 bank books (30 books), one in five a transfer from the cash book. With
// `titles` above 1 the entries cycle through that many account titles, each
// with five descriptions.
inline Workspace makeYear(int entries, int titles = 1) {
    Workspace ws;
    autoSetMonthEnd(ws.periods, 4, 2015);
    ws.periods.startMonth = 4;
    ws.periods.startYear = 2015;
    QList<BookRef> books{ws.mainBook()};
    for (int i = 0; i < 14; ++i) {
        ws.pettyBooks.add(QStringLiteral("z,小口,小口%1,1000,").arg(i));
        books.append({pettyCashKind(), QStringLiteral("小口%1").arg(i)});
    }
    for (int i = 0; i < 15; ++i) {
        ws.bankBooks.add(QStringLiteral("z,預金,銀行%1,500000,").arg(i));
        books.append({bankKind(), QStringLiteral("銀行%1").arg(i)});
    }
    const QDate first(2015, 4, 1);
    for (int i = 0; i < entries; ++i) {
        const QDate date = first.addDays(i * 365 / entries);
        const BookRef& own = books[i % books.size()];
        const BookRef& counter = (i % 5 == 0 && i % books.size() != 0) ? books[0] : own;
        const QString title =
            titles > 1 ? QStringLiteral("科目%1").arg(i % titles) : QStringLiteral("旅費交通費");
        const QString description =
            titles > 1 ? QStringLiteral("摘要%1").arg(i % (titles * 5)) : QStringLiteral("電車代");
        ws.entries.append(QStringLiteral("d%1=,%2,%3,%4,%5,%6,%7,,%8,%9,%10,%11,")
                              .arg(date.month(), 2, 10, QChar(u'0'))
                              .arg(formatDate(date))
                              .arg(i)
                              .arg(title, description)
                              .arg(i % 3 == 0 ? 1000 + i % 7 : 0)
                              .arg(i % 3 == 0 ? 0 : 500 + i % 11)
                              .arg(own.kind, own.name, counter.kind, counter.name));
    }
    return ws;
}

}  // namespace tallyrix::bench
