#include "tools/stylegen/form_parts.h"
#include "tools/stylegen/style_set.h"

namespace tallyrix::stylegen {

namespace {

// These reports have no colour or font choice: Gothic with grey headings.
const Colour kBand = rgb(217, 217, 217);
// The colours of the summary page on screen: its income and expense bars
// (the graph composer draws the printed bars in them too) and its difference
// labels. The graph's row captions take them.
const Colour kIncomeColour = rgb(128, 128, 192);
const Colour kExpenseColour = rgb(64, 128, 128);
const Colour kDifferenceColour = rgb(83, 85, 108);

constexpr double kPadding = 1.3;

// Portrait A4 reports use the ledger's 10 .. 192 mm.
constexpr double kLeft = 10;
constexpr double kRight = 192;

void title(StyleSheet& sheet, const QString& text, double centre, double top, int size) {
    sheet.text({.x = centredX(centre, emWidth(text), size),
                .y = top,
                .text = text,
                .size = size,
                .bold = true});
}

void heading(StyleSheet& sheet, const QString& text, double left, double width, double top,
             double height, int size, Colour colour = kBlack) {
    sheet.text({.x = centredX(left + width / 2, emWidth(text), size),
                .y = textTop(top, height, size),
                .text = text,
                .size = size,
                .bold = true,
                .colour = colour});
}

void amount(StyleSheet& sheet, const QString& placeholder, double right, double top, double height,
            int size, double pitch) {
    sheet.text({.x = right - kPadding,
                .y = textTop(top, height, size),
                .text = placeholder,
                .size = size,
                .pitch = -pitch});
}

// 入出金集計表: one row a fiscal month, the year below; income, expense and
// difference each with its running total beside it.
StyleSheet summary() {
    StyleSheet sheet(QString::fromUtf16(kGothic), Paper::A4, Orientation::Portrait);
    title(sheet, QStringLiteral("入出金集計表"), (kLeft + kRight) / 2, 12, 18);
    constexpr int size = 10;
    sheet.text({.x = kLeft, .y = 27, .text = QStringLiteral("集計期間　#range"), .size = size});
    sheet.text({.x = kLeft,
                .y = 33,
                .text = QStringLiteral("集計帳簿　#notesname"),
                .size = size,
                .maxWidth = widthLimit(70, size)});
    sheet.text({.x = 84,
                .y = 33,
                .text = QStringLiteral("集計元　#TL"),
                .size = size,
                .maxWidth = widthLimit(62, size)});
    addCompanyName(sheet, 116, kRight, 26);
    sheet.text({.x = 150, .y = 33, .text = QStringLiteral("作成日　#date"), .size = size});

    constexpr double top = 42, headingHeight = 10, rowHeight = 13;
    constexpr double monthWidth = 26, width = 26;
    const double headingBottom = top + headingHeight;
    const double yearTop = headingBottom + 12 * rowHeight;
    const double bottom = yearTop + rowHeight;
    const QString headings[] = {"収入金額", "収入累計", "支出金額",
                                "支出累計", "差引金額", "差引累計"};
    const QString placeholders[] = {"#income",   "#rincome", "#expense",
                                    "#rexpense", "#sagaku",  "#rsagaku"};
    sheet.fill(kLeft, top, kRight, headingBottom, kBand);
    heading(sheet, QStringLiteral("年　月"), kLeft, monthWidth, top, headingHeight, size);
    for (int c = 0; c < 6; ++c) {
        heading(sheet, headings[c], kLeft + monthWidth + c * width, width, top, headingHeight,
                size);
    }
    for (int month = 1; month <= 13; ++month) {
        const double rowTop = headingBottom + (month - 1) * rowHeight;
        const QString nn = twoDigits(month);
        if (month <= 12) {
            sheet.text({.x = centredX(kLeft + monthWidth / 2, 5, size),
                        .y = textTop(rowTop, rowHeight, size),
                        .text = QStringLiteral("#y%1年#m%1月").arg(nn),
                        .size = size});
        } else {
            heading(sheet, QStringLiteral("年間合計"), kLeft, monthWidth, rowTop, rowHeight, size);
        }
        for (int c = 0; c < 6; ++c) {
            const double right = kLeft + monthWidth + (c + 1) * width;
            // The year's running totals equal its totals: those cells are struck through.
            if (month == 13 && c % 2 == 1) {
                sheet.line(right - width, rowTop + rowHeight, right, rowTop, kThinPen);
                continue;
            }
            // 1.7 mm a character: 14 characters fit also where the composer keeps
            // this size (the differences are not fitted).
            amount(sheet, placeholders[c] + nn, right, rowTop, rowHeight, size, 1.7);
        }
    }
    for (int month = 1; month < 12; ++month) {
        sheet.horizontal(kLeft, kRight, headingBottom + month * rowHeight, kRowPen);
    }
    // A double rule over the year's row.
    sheet.horizontal(kLeft, kRight, yearTop - 0.4, kThinPen);
    sheet.horizontal(kLeft, kRight, yearTop + 0.4, kThinPen);
    for (int c = 0; c < 6; ++c) {
        sheet.vertical(kLeft + monthWidth + c * width, top, bottom,
                       c % 2 == 0 ? kHeadingPen : kThinPen);
    }
    sheet.horizontal(kLeft, kRight, headingBottom, kHeadingPen);
    sheet.frame(kLeft, top, kRight, bottom, kFramePen);

    // Room for remarks.
    const double notesTop = bottom + 8, notesHeading = 7, notesBottom = notesTop + 40;
    sheet.fill(kLeft, notesTop, kRight, notesTop + notesHeading, kBand);
    heading(sheet, QStringLiteral("備　考"), kLeft, kRight - kLeft, notesTop, notesHeading, size);
    sheet.horizontal(kLeft, kRight, notesTop + notesHeading, kThinPen);
    sheet.frame(kLeft, notesTop, kRight, notesBottom, kFramePen);
    return sheet;
}

// 月別帳簿別残高一覧表: the balance of every book, 56 to a page in two
// tables side by side, and the totals of the ledger as shown.
StyleSheet balances() {
    StyleSheet sheet(QString::fromUtf16(kGothic), Paper::A4, Orientation::Portrait);
    title(sheet, QStringLiteral("月別帳簿別残高一覧表"), (kLeft + kRight) / 2, 12, 18);
    constexpr int size = 10;
    sheet.text({.x = kLeft, .y = 27, .text = QStringLiteral("期　間　#range"), .size = size});
    addCompanyName(sheet, 116, kRight, 26);
    sheet.text({.x = 150, .y = 33, .text = QStringLiteral("作成日　#date"), .size = size});

    constexpr int rowsPerTable = 28;
    constexpr double top = 40, headingHeight = 7, rowHeight = 7;
    constexpr double nameWidth = 58, balanceWidth = 30, gap = 6;
    const double headingBottom = top + headingHeight;
    const double bottom = headingBottom + rowsPerTable * rowHeight;
    for (int half = 0; half < 2; ++half) {
        const double left = kLeft + half * (nameWidth + balanceWidth + gap);
        const double right = left + nameWidth + balanceWidth;
        sheet.fill(left, top, right, headingBottom, kBand);
        heading(sheet, QStringLiteral("帳　簿"), left, nameWidth, top, headingHeight, size);
        heading(sheet, QStringLiteral("残　高"), left + nameWidth, balanceWidth, top, headingHeight,
                size);
        for (int row = 1; row <= rowsPerTable; ++row) {
            const double rowTop = headingBottom + (row - 1) * rowHeight;
            const QString nn = twoDigits(half * rowsPerTable + row);
            // Kind and name as "預金|みずほ銀行".
            sheet.text({.x = left + kPadding,
                        .y = textTop(rowTop, rowHeight, size),
                        .text = QStringLiteral("#notename") + nn,
                        .size = size,
                        .maxWidth = widthLimit(nameWidth - 2 * kPadding, size)});
            amount(sheet, QStringLiteral("#notezan") + nn, right, rowTop, rowHeight, size, 1.8);
        }
        for (int row = 1; row < rowsPerTable; ++row) {
            sheet.horizontal(left, right, headingBottom + row * rowHeight, kRowPen);
        }
        sheet.vertical(left + nameWidth, top, bottom, kThinPen);
        sheet.horizontal(left, right, headingBottom, kHeadingPen);
        sheet.frame(left, top, right, bottom, kFramePen);
    }

    // The ledger's own totals for its period: its title, income, expense, difference.
    const double totalsTop = bottom + 7, totalsHeading = 7, totalsRow = 9;
    const double totalsBottom = totalsTop + totalsHeading + totalsRow;
    const double titleWidth = 62, width = 40;
    const QString headings[] = {"収入合計", "支出合計", "差引金額"};
    const QString placeholders[] = {"#income", "#expense", "#sagaku"};
    sheet.fill(kLeft, totalsTop, kRight, totalsTop + totalsHeading, kBand);
    heading(sheet, QStringLiteral("対象帳簿"), kLeft, titleWidth, totalsTop, totalsHeading, size);
    const double valuesTop = totalsTop + totalsHeading;
    // A short title in the text size, a long one smaller; the other is removed.
    sheet.text({.x = kLeft + kPadding,
                .y = textTop(valuesTop, totalsRow, size),
                .text = QStringLiteral("#notetitle_m"),
                .size = size,
                .maxWidth = widthLimit(titleWidth - 2 * kPadding, size)});
    sheet.text({.x = kLeft + kPadding,
                .y = textTop(valuesTop, totalsRow, 8),
                .text = QStringLiteral("#notetitle_s"),
                .size = 8,
                .maxWidth = widthLimit(titleWidth - 2 * kPadding, 8)});
    for (int c = 0; c < 3; ++c) {
        const double left = kLeft + titleWidth + c * width;
        heading(sheet, headings[c], left, width, totalsTop, totalsHeading, size);
        amount(sheet, placeholders[c], left + width, valuesTop, totalsRow, size, 1.8);
        sheet.vertical(left, totalsTop, totalsBottom, kThinPen);
    }
    sheet.horizontal(kLeft, kRight, valuesTop, kHeadingPen);
    sheet.frame(kLeft, totalsTop, kRight, totalsBottom, kFramePen);
    addFooter(sheet, kLeft, kRight, totalsBottom + 4, 9, PrintDate::Elsewhere);
    return sheet;
}

// 入出金集計グラフ on landscape A4. The graph composer appends the bars: month p
// from x = 20 + 22 (p - 1), income 2 .. 10 mm and expense 12 .. 20 mm into
// the slot, standing on y = 155 and reaching y = 30 for the largest figure.
// The figures of every month are tabled under the bars in the same slots.
StyleSheet graph() {
    StyleSheet sheet(QString::fromUtf16(kGothic), Paper::A4, Orientation::Landscape);
    constexpr double left = 20, slot = 22, right = left + 12 * slot;
    constexpr double base = 155, full = 125;
    title(sheet, QStringLiteral("入出金集計グラフ"), (left + right) / 2, 4, 16);
    constexpr int size = 9;
    sheet.text({.x = left, .y = 13, .text = QStringLiteral("集計期間　#range"), .size = size});
    sheet.text({.x = 112,
                .y = 13,
                .text = QStringLiteral("集計帳簿　#notename"),
                .size = size,
                .maxWidth = widthLimit(70, size)});
    addCompanyName(sheet, 196, right, 12.5);
    sheet.text({.x = left,
                .y = 19.5,
                .text = QStringLiteral("集計元　#TL"),
                .size = size,
                .maxWidth = widthLimit(85, size)});
    sheet.text({.x = 220, .y = 19.5, .text = QStringLiteral("作成日　#date"), .size = size});

    // Legend.
    constexpr int small = 8;
    const double legendTop = 20;
    sheet.outline(112, legendTop, 118, legendTop + 3, kIncomeColour);
    sheet.text({.x = 119.5,
                .y = legendTop + 1.5 - emOf(small) / 2,
                .text = QStringLiteral("収入"),
                .size = small});
    sheet.outline(130, legendTop, 136, legendTop + 3, kExpenseColour);
    sheet.text({.x = 137.5,
                .y = legendTop + 1.5 - emOf(small) / 2,
                .text = QStringLiteral("支出"),
                .size = small});
    sheet.text({.x = 150,
                .y = legendTop + 1.5 - emOf(small) / 2,
                .text = QStringLiteral("（目盛は月の最大額を100%として）"),
                .size = small,
                .colour = kNoteColour});

    // The scale: quarters of the largest figure.
    const Pen grid{1, rgb(150, 150, 150), u"点線"};
    for (int quarter = 1; quarter <= 4; ++quarter) {
        const double y = base - full * quarter / 4;
        sheet.horizontal(left, right, y, grid);
        const QString label = QStringLiteral("%1%").arg(25 * quarter);
        sheet.text({.x = left - 1,
                    .y = y - emOf(7) / 2,
                    .text = label,
                    .size = 7,
                    .pitch = -1.2,
                    .colour = kNoteColour});
    }
    sheet.text({.x = left - 1,
                .y = base - emOf(7) / 2,
                .text = QStringLiteral("0"),
                .size = 7,
                .pitch = -1.2,
                .colour = kNoteColour});
    sheet.frame(left, base - full - 3, right, base, kThinPen);

    // The figures: a month row and six rows of amounts.
    constexpr double tableLeft = 2, tableTop = base + 1.5, rowHeight = 5.3;
    const struct {
        const char16_t* label;
        const char16_t* placeholder;
        Colour background;
    } rows[] = {
        {u"収入金額", u"#inc", kIncomeColour},     {u"収入累計", u"#rinc", kWhite},
        {u"支出金額", u"#exp", kExpenseColour},    {u"支出累計", u"#rexp", kWhite},
        {u"差引金額", u"#sag", kDifferenceColour}, {u"差引累計", u"#rsag", kWhite},
    };
    const double monthBottom = tableTop + rowHeight;
    const double tableBottom = monthBottom + 6 * rowHeight;
    sheet.fill(tableLeft, tableTop, right, monthBottom, kBand);
    heading(sheet, QStringLiteral("年　月"), tableLeft, left - tableLeft, tableTop, rowHeight,
            small);
    for (int month = 1; month <= 12; ++month) {
        const double slotLeft = left + (month - 1) * slot;
        const QString nn = twoDigits(month);
        sheet.text({.x = centredX(slotLeft + slot / 2, 5, small),
                    .y = textTop(tableTop, rowHeight, small),
                    .text = QStringLiteral("#y%1年#m%1月").arg(nn),
                    .size = small});
        for (int r = 0; r < 6; ++r) {
            // Long figures switch to 9 points at 1.6 mm as they are filled; shorter ones match.
            amount(sheet, QString::fromUtf16(rows[r].placeholder) + nn, slotLeft + slot + 0.3,
                   monthBottom + r * rowHeight, rowHeight, size, 1.6);
        }
    }
    for (int r = 0; r < 6; ++r) {
        const double rowTop = monthBottom + r * rowHeight;
        const bool coloured = rows[r].background != kWhite;
        if (coloured) {
            sheet.fill(tableLeft, rowTop, left, rowTop + rowHeight, rows[r].background);
        }
        heading(sheet, QString::fromUtf16(rows[r].label), tableLeft, left - tableLeft, rowTop,
                rowHeight, small, coloured ? kWhite : kBlack);
        if (r > 0) {
            sheet.horizontal(tableLeft, right, rowTop, kRowPen);
        }
    }
    for (int month = 0; month < 12; ++month) {
        sheet.vertical(left + month * slot, tableTop, tableBottom,
                       month == 0 ? kHeadingPen : kThinPen);
    }
    sheet.horizontal(tableLeft, right, monthBottom, kHeadingPen);
    sheet.frame(tableLeft, tableTop, right, tableBottom, kFramePen);
    // The base line the bars stand on, over the lower edge of the chart frame.
    sheet.horizontal(left, right, base, kHeadingPen);
    return sheet;
}

}  // namespace

std::vector<NamedStyle> reportStyles() {
    return {
        {QStringLiteral("入出金集計表.sle"), summary},
        {QStringLiteral("月別帳簿別残高一覧表.sle"), balances},
        {QStringLiteral("入出金集計グラフ.sle"), graph},
    };
}

}  // namespace tallyrix::stylegen
