#include "tools/stylegen/form_parts.h"
#include "tools/stylegen/style_set.h"

namespace tallyrix::stylegen {

namespace {

// The three plain-paper ledgers. The petty-cash and bank ledgers show their
// book kind in a small box at the top left: the box holds the title word that
// the ledger composer replaces by the kind's name, and is centred for that name.
struct LedgerFamily {
    QString stem;
    QString captionAfterFilling;  // empty: no box (the cash book's own title says it)
};

// With the account-title column, without it, and for an account search (whose
// rows all share the searched title, shown in the page title instead).
struct LedgerVariant {
    QString part;
    bool titleColumn;
    bool accountSearch;
};

enum class Cell { Date, Title, Description, Income, Expense, Balance };

struct Column {
    Cell cell;
    QString heading;
    double width;
};

// A4 portrait; the ruled table spans 10 .. 192 mm, 182 mm centred on the
// printable width of common printers.
constexpr double kLeft = 10;
constexpr double kRight = 192;
constexpr double kTitleTop = 10;
constexpr double kInfoTop = 25;
constexpr double kTableTop = 34;
constexpr double kHeadingHeight = 7;
constexpr double kRowHeight = 7;
constexpr int kRows = 33;
constexpr int kTextSize = 10;
constexpr int kTitleSize = 16;
// Amounts are right-aligned at 1.8 mm a character: 13 characters
// ("1,234,567,890") fit the 26 mm columns. Long balances switch to 9 points at
// 1.6 mm when the composer fills them.
constexpr double kAmountPitch = 1.8;
constexpr double kPadding = 1.3;

std::vector<Column> columnsOf(const LedgerVariant& variant) {
    std::vector<Column> columns{{Cell::Date, QStringLiteral("日　付"), 17}};
    if (variant.titleColumn) {
        columns.push_back({Cell::Title, QStringLiteral("科　目"), 31});
    }
    columns.push_back(
        {Cell::Description, QStringLiteral("摘　要"), variant.titleColumn ? 56.0 : 87.0});
    columns.push_back({Cell::Income, QStringLiteral("収　入"), 26});
    columns.push_back({Cell::Expense, QStringLiteral("支　出"), 26});
    // With an account search the last column is the running sum of the rows shown.
    columns.push_back(
        {Cell::Balance,
         variant.accountSearch ? QStringLiteral("差引累計") : QStringLiteral("差引残高"), 26});
    return columns;
}

QString placeholderOf(Cell cell) {
    switch (cell) {
        case Cell::Date:
            return QStringLiteral("#ia_");
        case Cell::Title:
            return QStringLiteral("#ib_");
        case Cell::Description:
            return QStringLiteral("#ic_");
        case Cell::Income:
            return QStringLiteral("#id_");
        case Cell::Expense:
            return QStringLiteral("#ie_");
        case Cell::Balance:
            return QStringLiteral("#if_");
    }
    return {};
}

bool isAmount(Cell cell) {
    return cell == Cell::Income || cell == Cell::Expense || cell == Cell::Balance;
}

void addHead(StyleSheet& sheet, const LedgerFamily& family, const LedgerVariant& variant) {
    // "#tl" is the book title behind blanks that centre it in 56 half-width
    // columns of a fixed-pitch face: the item starts where those columns do.
    const double centre = (kLeft + kRight) / 2;
    sheet.text({.x = centredX(centre, 28, kTitleSize),
                .y = kTitleTop,
                .text = QStringLiteral("#tl"),
                .size = kTitleSize,
                .bold = true});
    if (!family.captionAfterFilling.isEmpty()) {
        constexpr int size = 9;
        sheet.frame(kLeft, kTitleTop - 0.5, kLeft + 26, kTitleTop + 6.5, kThinPen);
        sheet.text({.x = centredX(kLeft + 13, emWidth(family.captionAfterFilling), size),
                    .y = textTop(kTitleTop - 0.5, 7, size),
                    .text = QStringLiteral("科目別一覧表"),
                    .size = size,
                    .bold = true,
                    .filledByComposer = true});
    }
    constexpr int infoSize = 11;
    // The shown month; with an account search the composer writes the year and
    // month, or the business year, into "#PY" itself.
    sheet.text(
        {.x = kLeft,
         .y = kInfoTop,
         .text = variant.accountSearch ? QStringLiteral("#PY分") : QStringLiteral("#PY年#PM月分"),
         .size = infoSize});
    addCompanyName(sheet, 116, kRight, kInfoTop);
}

void addTable(StyleSheet& sheet, const std::vector<Column>& columns, const HeadingColour& colour) {
    const double headingBottom = kTableTop + kHeadingHeight;
    const double bottom = headingBottom + kRows * kRowHeight;
    if (colour.banded) {
        sheet.fill(kLeft, kTableTop, kRight, headingBottom, colour.colour);
    }
    double left = kLeft;
    for (const Column& column : columns) {
        sheet.text({.x = centredX(left + column.width / 2, emWidth(column.heading), kTextSize),
                    .y = textTop(kTableTop, kHeadingHeight, kTextSize),
                    .text = column.heading,
                    .size = kTextSize,
                    .bold = true});
        left += column.width;
    }
    for (int slot = 1; slot <= kRows; ++slot) {
        const double top = headingBottom + (slot - 1) * kRowHeight;
        left = kLeft;
        for (const Column& column : columns) {
            Text cell{.y = textTop(top, kRowHeight, kTextSize),
                      .text = placeholderOf(column.cell) + twoDigits(slot),
                      .size = kTextSize};
            if (isAmount(column.cell)) {
                cell.x = left + column.width - kPadding;
                cell.pitch = -kAmountPitch;
            } else {
                cell.x = left + kPadding;
                if (column.cell != Cell::Date) {
                    cell.maxWidth = widthLimit(column.width - 2 * kPadding, kTextSize);
                }
            }
            sheet.text(cell);
            left += column.width;
        }
    }
    for (int slot = 1; slot < kRows; ++slot) {
        sheet.horizontal(kLeft, kRight, headingBottom + slot * kRowHeight, kRowPen);
    }
    left = kLeft;
    for (std::size_t i = 0; i + 1 < columns.size(); ++i) {
        left += columns[i].width;
        sheet.vertical(left, kTableTop, bottom, kThinPen);
    }
    sheet.horizontal(kLeft, kRight, headingBottom, kHeadingPen);
    sheet.frame(kLeft, kTableTop, kRight, bottom, kFramePen);
}

StyleSheet ledger(const LedgerFamily& family, const LedgerVariant& variant, const StyleFont& font,
                  const HeadingColour& colour) {
    StyleSheet sheet(font.face, Paper::A4, Orientation::Portrait);
    const double footerTop = kTableTop + kHeadingHeight + kRows * kRowHeight + 3;
    addRowCount(sheet, kRows, kLeft, footerTop);
    addHead(sheet, family, variant);
    addTable(sheet, columnsOf(variant), colour);
    addFooter(sheet, kLeft, kRight, footerTop, 9);
    return sheet;
}

}  // namespace

std::vector<NamedStyle> ledgerStyles() {
    const LedgerFamily families[] = {
        {QStringLiteral("A4現金出納帳"), QString()},
        {QStringLiteral("A4経費明細帳"), QStringLiteral("小口現金")},
        {QStringLiteral("A4銀行勘定帳"), QStringLiteral("銀行勘定帳")},
    };
    const LedgerVariant variants[] = {
        {QStringLiteral("_月分1"), true, false},
        {QStringLiteral("_月分2"), false, false},
        {QStringLiteral("_科目指定"), false, true},
    };
    std::vector<NamedStyle> styles;
    for (const LedgerFamily& family : families) {
        for (const LedgerVariant& variant : variants) {
            for (const StyleFont& font : styleFonts()) {
                for (const HeadingColour& colour : headingColours()) {
                    styles.push_back(
                        {family.stem + variant.part + font.part + colour.letter + ".sle",
                         [=] { return ledger(family, variant, font, colour); }});
                }
            }
        }
    }
    return styles;
}

}  // namespace tallyrix::stylegen
