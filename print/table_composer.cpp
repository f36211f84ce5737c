#include "print/table_composer.h"

#include "core/prompter.h"
#include "core/text_helpers.h"
#include "print/page_placeholders.h"
#include "print/style_line.h"

namespace tallyrix {
namespace {

const QStringList& cellPrefixes() {
    static const QStringList kPrefixes = [] {
        QStringList prefixes;
        for (char16_t letter = u'a'; letter <= u'n'; ++letter) {
            prefixes.append(QStringLiteral("#k") + QChar(letter) + u'_');
        }
        return prefixes;
    }();
    return kPrefixes;
}

QString fillPagePlaceholders(QString s, const TablePrintValues& v, int page) {
    s = fillToday(s, v.today);
    s = fillText(s, QStringLiteral("#OF"), v.companyName, false);
    s = fillText(s, QStringLiteral("#PY"), v.fiscalYear, false);
    s = fillText(s, QStringLiteral("#pg"), QString::number(page), false);
    return fillText(s, QStringLiteral("#TL"), v.sideCaption, false);
}

QString redWhenNegative(const QString& line, const QString& value, bool red) {
    return red && value.contains(u'-') ? setStyleField(line, QStringLiteral("255"), 19) : line;
}

}  // namespace

std::optional<AmountFit> tableAmountFit(qsizetype length, bool b4Paper) {
    switch (length) {
        case 10:
            return b4Paper ? AmountFit{"10", "-2.1"} : AmountFit{"9", "-1.7"};
        case 11:
            return b4Paper ? AmountFit{"10", "-2"} : AmountFit{"9", "-1.5"};
        case 12:
        case 13:
            return b4Paper ? AmountFit{"10", "-1.7"} : AmountFit{"8", "-1.3"};
        default:
            return std::nullopt;
    }
}

void composeTablePage(StyleTemplate& lines, const QStringList& printList, int& pageCounter,
                      const TablePrintValues& values, Prompter& prompter) {
    const int rowsPerPage = std::max(takeRowCount(lines).rows, 0);
    if (rowsPerPage == 0) {
        prompter.taskMessage(QStringLiteral("確認"), QString(), TaskButtons::Ok,
                             TaskIcon::Information,
                             QStringLiteral("このスタイルには最大行数が指定されていません"));
    }
    const int page = pageCounter;
    const long long first = static_cast<long long>(page - 1) * rowsPerPage + 1;
    auto pageRow = [&](int k) -> QString {
        const long long index = k == 0 ? 0 : first + k - 1;
        return index >= 0 && index < printList.size() ? printList[static_cast<qsizetype>(index)]
                                                      : QString();
    };
    for (QString& line : lines) {
        if (!line.contains(u'#')) {
            continue;
        }
        QString s = fillPagePlaceholders(line, values, page);
        if (const auto ph = firstRowPlaceholder(s, cellPrefixes(), 0, rowsPerPage)) {
            const QString text = fieldAt(pageRow(ph->row), QStringLiteral(";"), ph->prefix + 1);
            if (ph->prefix >= 1 && ph->prefix <= 12) {
                if (const auto fit = tableAmountFit(text.size(), values.b4Paper)) {
                    s = setStyleField(s, fit->size, 15);
                    s = setStyleField(s, fit->pitch, 18);
                }
            }
            if (ph->prefix >= 1) {
                s = redWhenNegative(s, text, values.negativeInRed);
            }
            s = fillText(s, ph->text, text, false);
        }
        line = s;
    }
    // Without a row count no page takes a row, so the first page is the last.
    if (rowsPerPage == 0 || printList.size() <= first + rowsPerPage) {
        pageCounter = 0;
    }
}

}  // namespace tallyrix
