#include "print/summary_composer.h"

#include "core/format_settings.h"
#include "core/text_helpers.h"
#include "print/decimal4.h"
#include "print/page_placeholders.h"
#include "print/style_line.h"

namespace tallyrix {
namespace {

// Fills a placeholder the way its figure needs: long amounts smaller, or
// negative ones red.
enum class Fill { Fitted, Signed };

struct Figure {
    const char16_t* name;
    QString SummaryPrintMonth::*value;
    Fill fill;
};

// The cumulative names come first: "#income01" is also part of "#rincome01".
const Figure kSummaryFigures[] = {
    {u"#rincome", &SummaryPrintMonth::cumulativeIncome, Fill::Fitted},
    {u"#income", &SummaryPrintMonth::income, Fill::Fitted},
    {u"#rexpense", &SummaryPrintMonth::cumulativeExpense, Fill::Fitted},
    {u"#expense", &SummaryPrintMonth::expense, Fill::Fitted},
    {u"#rsagaku", &SummaryPrintMonth::cumulativeDifference, Fill::Signed},
    {u"#sagaku", &SummaryPrintMonth::difference, Fill::Signed},
};

const Figure kGraphFigures[] = {
    {u"#rinc", &SummaryPrintMonth::cumulativeIncome, Fill::Fitted},
    {u"#inc", &SummaryPrintMonth::income, Fill::Fitted},
    {u"#rexp", &SummaryPrintMonth::cumulativeExpense, Fill::Fitted},
    {u"#exp", &SummaryPrintMonth::expense, Fill::Fitted},
    {u"#rsag", &SummaryPrintMonth::cumulativeDifference, Fill::Signed},
    {u"#sag", &SummaryPrintMonth::difference, Fill::Signed},
};

QString fillFigure(const QString& line, const QString& placeholder, const QString& value, Fill fill,
                   bool red) {
    return fill == Fill::Fitted ? fillFitted(line, placeholder, value, false)
                                : fillSigned(line, placeholder, value, red, false);
}

template <size_t N>
QString fillMonths(QString s, const Figure (&figures)[N], const SummaryPrintFigures& f, bool red) {
    for (int p = 1; p <= 12; ++p) {
        const SummaryPrintMonth& m = f.months[static_cast<size_t>(p - 1)];
        const QString nn = slotNumber(p);
        for (const Figure& figure : figures) {
            s = fillFigure(s, QString::fromUtf16(figure.name) + nn, m.*figure.value, figure.fill,
                           red);
        }
        s = fillText(s, QStringLiteral("#y") + nn, m.month.toString(u"yyyy"), false);
        s = fillText(s, QStringLiteral("#m") + nn, m.month.toString(u"MM"), false);
    }
    return s;
}

}  // namespace

SummaryPrintFigures summaryPrintFigures(const SummaryFigures& summary) {
    SummaryPrintFigures f;
    for (int p = 1; p <= SummaryFigures::kSlots; ++p) {
        const SummarySlot& slot = summary.slot(p);
        f.months[static_cast<size_t>(p - 1)] = {
            slot.tincome.text, slot.rincome.text, slot.texpenses.text, slot.rexpenses.text,
            slot.sagaku.text,  slot.rsagaku.text, slot.monthStart,
        };
    }
    f.range = summary.range();
    f.scaleMaximum = summary.scaleMaximum();
    return f;
}

QString fillReportTexts(const QString& line, int reportKind, const ReportTexts& texts, int page,
                        const QString& range) {
    const QString today = formatDate(texts.today);
    QString s = fillText(line, QStringLiteral("#date"), today, false);
    s = fillToday(s, texts.today);
    if (reportKind == 40) {
        s = fillText(s, QStringLiteral("#PY"), texts.fiscalYear, false);
    }
    s = fillText(s, QStringLiteral("#pg"), QString::number(page), false);
    s = fillText(s, QStringLiteral("#TL"), texts.sideCaption, false);
    s = fillText(s, QStringLiteral("#date"), today, false);
    s = fillText(s, QStringLiteral("#range"), range, false);
    s = fillText(s, QStringLiteral("#OF"), texts.companyName, false);
    if (reportKind == 20) {
        s = fillText(s, QStringLiteral("#notesname"), texts.bookName, false);
    } else if (reportKind == 40) {
        s = fillText(s, QStringLiteral("#notename"), texts.bookName, false);
    }
    return s;
}

void composeSummaryPage(StyleTemplate& lines, const SummaryPrintFigures& f,
                        const ReportTexts& texts, int pageCounter) {
    const SummaryPrintMonth& year = f.months[11];
    const bool red = texts.negativeInRed;
    for (QString& line : lines) {
        if (!line.contains(u'#')) {
            continue;
        }
        QString s = fillReportTexts(line, 20, texts, pageCounter, f.range);
        s = fillMonths(s, kSummaryFigures, f, red);
        s = fillFitted(s, QStringLiteral("#rincome13"), year.cumulativeIncome, false);
        s = fillFitted(s, QStringLiteral("#income13"), year.cumulativeIncome, false);
        s = fillFitted(s, QStringLiteral("#rexpense13"), year.cumulativeExpense, false);
        s = fillFitted(s, QStringLiteral("#expense13"), year.cumulativeExpense, false);
        s = fillSigned(s, QStringLiteral("#rsagaku13"), year.cumulativeDifference, red, false);
        s = fillSigned(s, QStringLiteral("#sagaku13"), year.cumulativeDifference, red, false);
        line = s;
    }
}

QString graphBarTop(const QString& figure, Amount scaleMaximum) {
    const Amount value = parseMoney(stripCommas(figure));
    const double maximum = scaleMaximum.isZero() ? 1.0 : scaleMaximum.toDouble();
    Decimal4 top = Decimal4::fromInt(155);
    if (!value.isZero()) {
        top = Decimal4::fromDouble(155.0 - value.toDouble() * 125.0 / maximum);
    }
    if (top >= Decimal4::fromInt(154) && figure != u"0") {
        top = Decimal4::fromInt(153);
    }
    return top.toString();
}

void composeGraphPage(StyleTemplate& lines, const SummaryPrintFigures& f, const ReportTexts& texts,
                      int pageCounter) {
    for (QString& line : lines) {
        if (line.contains(u'#')) {
            line = fillMonths(fillReportTexts(line, 40, texts, pageCounter, f.range), kGraphFigures,
                              f, texts.negativeInRed);
        }
    }
    int x = 20;
    for (const SummaryPrintMonth& m : f.months) {
        lines.append(QStringLiteral("0;0;0;0;rrect;%1;155;%2;%3;0;0;0;実線;12615808;枠;12615808;0;")
                         .arg(x + 2)
                         .arg(x + 10)
                         .arg(graphBarTop(m.income, f.scaleMaximum)));
        lines.append(QStringLiteral("0;0;0;0;rrect;%1;155;%2;%3;0;0;0;実線;8421440;枠;8421440;0;")
                         .arg(x + 12)
                         .arg(x + 20)
                         .arg(graphBarTop(m.expense, f.scaleMaximum)));
        x += 22;
    }
}

}  // namespace tallyrix
