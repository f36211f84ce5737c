#include "print/style_file_name.h"

#include "print/report_kind.h"

namespace tallyrix {
namespace {

QString fontPart(const StyleChoices& c) {
    return c.font == 1 ? QStringLiteral("_明朝") : QStringLiteral("_ゴシック");
}

QString colourPart(const StyleChoices& c) {
    switch (c.colour) {
        case 1:
            return QStringLiteral("B");
        case 2:
            return QStringLiteral("P");
        case 3:
            return {};
        default:
            return QStringLiteral("G");
    }
}

QString columnPart(const StyleChoices& c) {
    return c.column == 1 ? QStringLiteral("_月分2") : QStringLiteral("_月分1");
}

QString ledgerName(int kind, const StyleChoices& c) {
    const bool bank = kind == report::kBank || kind == report::kBankFiltered;
    if (c.paper == 1) {
        return bank ? QStringLiteral("コクヨ銀行勘定帳_リ-108")
                    : QStringLiteral("コクヨ金銭出納帳_リ-101");
    }
    if (c.paper == 2) {
        return QStringLiteral("コクヨ経費明細帳_リ-113");
    }
    QString base = QStringLiteral("A4現金出納帳");
    if (kind == report::kPettyCash || kind == report::kPettyCashFiltered) {
        base = QStringLiteral("A4経費明細帳");
    } else if (bank) {
        base = QStringLiteral("A4銀行勘定帳");
    }
    const bool filtered = kind == report::kCashBookFiltered || kind == report::kPettyCashFiltered ||
                          kind == report::kBankFiltered;
    return base + (filtered ? QStringLiteral("_科目指定") : columnPart(c)) + fontPart(c) +
           colourPart(c);
}

}  // namespace

QString styleFileName(int kind, const StyleChoices& c) {
    if (isLedgerReport(kind)) {
        return ledgerName(kind, c) + QStringLiteral(".sle");
    }
    if (isTableReport(kind)) {
        const QString paper = c.paper == 1 ? QStringLiteral("B4") : QStringLiteral("A4");
        const QString level = kind == report::kTableByTitle ? QStringLiteral("月別一覧表_科目")
                                                            : QStringLiteral("月別一覧表_摘要");
        return paper + level + fontPart(c) + colourPart(c) + QStringLiteral(".slf");
    }
    switch (kind) {
        case report::kSummary:
            return QStringLiteral("入出金集計表.sle");
        case report::kBalances:
            return QStringLiteral("月別帳簿別残高一覧表.sle");
        case report::kGraph:
            return QStringLiteral("入出金集計グラフ.sle");
        default:
            return {};
    }
}

}  // namespace tallyrix
