#include "yearfile/workspace.h"

#include "core/text_helpers.h"

namespace tallyrix {

QString bookLineField(const QString& line, int n) {
    return fieldAt(line, QStringLiteral(","), n);
}

QList<BookRef> booksInPanelOrder(const Workspace& ws) {
    QList<BookRef> books{ws.mainBook()};
    for (const LineStore* list : {&ws.pettyBooks, &ws.bankBooks}) {
        const QString kind = list == &ws.pettyBooks ? pettyCashKind() : bankKind();
        for (const QString& line : *list) {
            books.append({kind, bookLineField(line, 3)});
        }
    }
    return books;
}

}  // namespace tallyrix
