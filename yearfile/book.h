#pragma once

#include <QHashFunctions>
#include <QString>

namespace tallyrix {

// The three kinds of books a year holds.
inline QString cashKind() {
    return QStringLiteral("現金");
}
inline QString pettyCashKind() {
    return QStringLiteral("小口");
}
inline QString bankKind() {
    return QStringLiteral("預金");
}

// The usage types and the main cash book's name that follows from them.
inline constexpr int kBusinessUsage = 1;     // 現金出納帳
inline constexpr int kPocketMoneyUsage = 2;  // おこづかい帳
inline QString businessTitle() {
    return QStringLiteral("現金出納帳");
}
inline QString pocketMoneyTitle() {
    return QStringLiteral("おこづかい帳");
}
inline QString mainTitleFor(int usageType) {
    return usageType == kBusinessUsage ? businessTitle() : pocketMoneyTitle();
}

// A book is named by its kind and its name.
struct BookRef {
    QString kind;
    QString name;
    friend bool operator==(const BookRef&, const BookRef&) = default;
};

inline size_t qHash(const BookRef& book, size_t seed = 0) {
    return qHashMulti(seed, book.kind, book.name);
}

}  // namespace tallyrix
