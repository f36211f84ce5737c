#include "print/report_kind.h"

namespace tallyrix {

bool isKnownReport(int kind) {
    return isLedgerReport(kind) || isTableReport(kind) || kind == report::kSummary ||
           kind == report::kBalances || kind == report::kGraph;
}

bool isLedgerReport(int kind) {
    switch (kind) {
        case report::kCashBook:
        case report::kCashBookFiltered:
        case report::kPettyCash:
        case report::kPettyCashFiltered:
        case report::kBank:
        case report::kBankFiltered:
            return true;
        default:
            return false;
    }
}

bool isTableReport(int kind) {
    return kind == report::kTableByTitle || kind == report::kTableByDescription;
}

PrintRun printRunOf(int kind) {
    if (isLedgerReport(kind) && kind != report::kBankFiltered) {
        return PrintRun::Months;
    }
    if (kind == report::kSummary || kind == report::kGraph) {
        return PrintRun::SinglePage;
    }
    return PrintRun::Current;
}

QString reportSettingsFile(int kind) {
    switch (kind) {
        case report::kCashBook:
            return QStringLiteral("config/note1.conf");
        case report::kCashBookFiltered:
            return QStringLiteral("config/note2.conf");
        case report::kPettyCash:
            return QStringLiteral("config/note3.conf");
        case report::kPettyCashFiltered:
            return QStringLiteral("config/note4.conf");
        case report::kBank:
            return QStringLiteral("config/note5.conf");
        case report::kBankFiltered:
            return QStringLiteral("config/note6.conf");
        case report::kTableByTitle:
        case report::kTableByDescription:
            return QStringLiteral("config/table1.conf");
        case report::kSummary:
            return QStringLiteral("config/total1.conf");
        case report::kBalances:
            return QStringLiteral("config/total2.conf");
        case report::kGraph:
            return QStringLiteral("config/total3.conf");
        default:
            return {};
    }
}

QString printerSettingsFile(int kind, int paperChoice) {
    return QStringLiteral("config/%1-%2.conf").arg(kind).arg(paperChoice);
}

QStringList paperChoices(int kind) {
    switch (kind) {
        case report::kCashBook:
        case report::kCashBookFiltered:
        case report::kPettyCash:
        case report::kPettyCashFiltered:
            return {QStringLiteral("A4用紙"), QStringLiteral("コクヨ出納帳"),
                    QStringLiteral("コクヨ経費帳")};
        case report::kBank:
        case report::kBankFiltered:
            return {QStringLiteral("A4用紙"), QStringLiteral("コクヨ勘定帳"),
                    QStringLiteral("コクヨ経費帳")};
        case report::kTableByTitle:
        case report::kTableByDescription:
            return {QStringLiteral("A4"), QStringLiteral("B4")};
        default:
            return {QStringLiteral("A4")};
    }
}

QString previewHeading(int kind) {
    switch (kind) {
        case report::kTableByTitle:
        case report::kTableByDescription:
            return QStringLiteral("月別一覧表");
        case report::kSummary:
            return QStringLiteral("入出金集計表");
        case report::kBalances:
            return QStringLiteral("月別帳簿別残高一覧表");
        case report::kGraph:
            return QStringLiteral("入出金集計グラフ");
        default:
            return {};
    }
}

int ledgerReportOf(const QString& bookKind, bool accountFilter) {
    int kind = report::kCashBook;
    if (bookKind == u"小口") {
        kind = report::kPettyCash;
    } else if (bookKind == u"預金") {
        kind = report::kBank;
    }
    return accountFilter ? kind + 1 : kind;
}

}  // namespace tallyrix
