#include "print/print_list.h"

#include <QFileInfo>

#include "core/errors.h"
#include "core/line_store.h"
#include "core/text_helpers.h"

namespace tallyrix {

QStringList ledgerPrintList(const std::vector<LedgerRow>& rows) {
    QStringList lines;
    for (const LedgerRow& r : rows) {
        lines.append(QStringList{r.date, r.title, r.description, trimBlanks(r.income),
                                 trimBlanks(r.expense), trimBlanks(r.balance)}
                         .join(u';') +
                     u';');
        if (r.marker == u"*" || r.marker == u"=") {
            break;
        }
    }
    return lines;
}

QStringList tablePrintList(const std::vector<QStringList>& grid) {
    QStringList lines;
    for (const QStringList& row : grid) {
        QString line;
        for (int column = 1; column <= 14; ++column) {
            line += trimBlanks(row.value(column)) + u';';
        }
        lines.append(line);
        if (row.value(0) == u"=") {
            break;
        }
    }
    return lines;
}

void writePrintList(const QString& path, const QStringList& lines) {
    LineStore store;
    store.assign(lines);
    store.saveToFile(path);
}

QStringList readPrintList(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        throw FileError(QStringLiteral("ファイル %1 が見つかりません。").arg(path));
    }
    LineStore store;
    store.loadFromFile(path);
    return store.toStringList();
}

}  // namespace tallyrix
