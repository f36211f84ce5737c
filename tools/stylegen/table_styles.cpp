#include "tools/stylegen/form_parts.h"
#include "tools/stylegen/style_set.h"

namespace tallyrix::stylegen {

namespace {

// The monthly account table on a landscape sheet: the title column, twelve
// month columns and the yearly total. The month columns are as wide as the
// composer's presets for long amounts need (A4: 13 characters at 1.3 mm, 10 at
// 1.7 mm; B4: 10 at 2.1 mm, 13 at 1.7 mm); shorter amounts keep the size and
// pitch written here, the yearly total always does.
struct TableGeometry {
    Paper paper;
    QString prefix;
    double left;
    double titleWidth;
    double monthWidth;
    double totalWidth;
    double titleTop;
    double infoTop;
    double tableTop;
    double headingHeight;
    double rowHeight;
    int rows;
    int titleSize;
    int textSize;
    double amountPitch;
    double totalPitch;
};

// A4 landscape: 280 mm of the 284 mm that even wide-margined printers print;
// B4 landscape: 335 mm of 340.
const TableGeometry kA4{.paper = Paper::A4,
                        .prefix = QStringLiteral("A4"),
                        .left = 4,
                        .titleWidth = 30,
                        .monthWidth = 19,
                        .totalWidth = 22,
                        .titleTop = 5,
                        .infoTop = 14.5,
                        .tableTop = 21,
                        .headingHeight = 7,
                        .rowHeight = 5.3,
                        .rows = 30,
                        .titleSize = 16,
                        .textSize = 9,
                        .amountPitch = 1.7,
                        .totalPitch = 1.5};
const TableGeometry kB4{.paper = Paper::B4,
                        .prefix = QStringLiteral("B4"),
                        .left = 3,
                        .titleWidth = 31,
                        .monthWidth = 23.25,
                        .totalWidth = 25,
                        .titleTop = 6,
                        .infoTop = 16,
                        .tableTop = 24,
                        .headingHeight = 8,
                        .rowHeight = 5.8,
                        .rows = 34,
                        .titleSize = 18,
                        .textSize = 10,
                        .amountPitch = 2.1,
                        .totalPitch = 1.7};

// The account level and the description level differ in the title column's heading.
struct TableLevel {
    QString part;
    QString heading;
};

constexpr double kPadding = 1.2;
constexpr double kAmountPadding = 0.8;

double rightOf(const TableGeometry& g) {
    return g.left + g.titleWidth + 12 * g.monthWidth + g.totalWidth;
}

void addHead(StyleSheet& sheet, const TableGeometry& g) {
    const double right = rightOf(g);
    // "#TL": "月別科目一覧表", or the chosen title + "明細表".
    sheet.text({.x = g.left,
                .y = g.titleTop,
                .text = QStringLiteral("#TL"),
                .size = g.titleSize,
                .bold = true});
    const int infoSize = g.textSize + 1;
    const double companyLeft = right - 90;
    sheet.text({.x = companyLeft,
                .y = g.titleTop + (emOf(g.titleSize) - emOf(infoSize)),
                .text = QStringLiteral("#OF"),
                .size = infoSize,
                .maxWidth = widthLimit(right - 1 - companyLeft, infoSize)});
    sheet.horizontal(companyLeft - 2, right, g.titleTop + emOf(g.titleSize) + 1, kThinPen);
    sheet.text(
        {.x = g.left, .y = g.infoTop, .text = QStringLiteral("会計期間　#PY"), .size = g.textSize});
}

void addTable(StyleSheet& sheet, const TableGeometry& g, const TableLevel& level,
              const HeadingColour& colour) {
    const double right = rightOf(g);
    const double headingBottom = g.tableTop + g.headingHeight;
    const double bottom = headingBottom + g.rows * g.rowHeight;
    const double monthsLeft = g.left + g.titleWidth;
    const double totalLeft = monthsLeft + 12 * g.monthWidth;
    if (colour.banded) {
        sheet.fill(g.left, g.tableTop, right, headingBottom, colour.colour);
    }
    const double headingTop = textTop(g.tableTop, g.headingHeight, g.textSize);
    sheet.text({.x = centredX(g.left + g.titleWidth / 2, emWidth(level.heading), g.textSize),
                .y = headingTop,
                .text = level.heading,
                .size = g.textSize,
                .bold = true});
    // Month headings ("4月度", "10月度") centred for their usual width, the
    // yearly total's heading "科目年間計" for its own.
    for (int month = 0; month < 12; ++month) {
        sheet.text({.x = centredX(monthsLeft + (month + 0.5) * g.monthWidth, 2.75, g.textSize),
                    .y = headingTop,
                    .text = QStringLiteral("#k%1_00").arg(QChar(u'b' + month)),
                    .size = g.textSize,
                    .bold = true});
    }
    sheet.text({.x = centredX(totalLeft + g.totalWidth / 2, 5, g.textSize),
                .y = headingTop,
                .text = QStringLiteral("#kn_00"),
                .size = g.textSize,
                .bold = true});
    for (int row = 1; row <= g.rows; ++row) {
        const double top =
            textTop(headingBottom + (row - 1) * g.rowHeight, g.rowHeight, g.textSize);
        const QString number = twoDigits(row);
        sheet.text({.x = g.left + kPadding,
                    .y = top,
                    .text = QStringLiteral("#ka_") + number,
                    .size = g.textSize,
                    .maxWidth = widthLimit(g.titleWidth - 2 * kPadding, g.textSize)});
        for (int month = 0; month < 12; ++month) {
            sheet.text({.x = monthsLeft + (month + 1) * g.monthWidth - kAmountPadding,
                        .y = top,
                        .text = QStringLiteral("#k%1_").arg(QChar(u'b' + month)) + number,
                        .size = g.textSize,
                        .pitch = -g.amountPitch});
        }
        sheet.text({.x = right - kAmountPadding,
                    .y = top,
                    .text = QStringLiteral("#kn_") + number,
                    .size = g.textSize,
                    .pitch = -g.totalPitch});
    }
    for (int row = 1; row < g.rows; ++row) {
        sheet.horizontal(g.left, right, headingBottom + row * g.rowHeight, kRowPen);
    }
    for (int month = 1; month < 12; ++month) {
        sheet.vertical(monthsLeft + month * g.monthWidth, g.tableTop, bottom, kThinPen);
    }
    sheet.vertical(monthsLeft, g.tableTop, bottom, kHeadingPen);
    sheet.vertical(totalLeft, g.tableTop, bottom, kHeadingPen);
    sheet.horizontal(g.left, right, headingBottom, kHeadingPen);
    sheet.frame(g.left, g.tableTop, right, bottom, kFramePen);
}

StyleSheet monthlyTable(const TableGeometry& g, const TableLevel& level, const StyleFont& font,
                        const HeadingColour& colour) {
    StyleSheet sheet(font.face, g.paper, Orientation::Landscape);
    const double footerTop = g.tableTop + g.headingHeight + g.rows * g.rowHeight + 2.5;
    addRowCount(sheet, g.rows, g.left, footerTop);
    addHead(sheet, g);
    addTable(sheet, g, level, colour);
    addFooter(sheet, g.left, rightOf(g), footerTop, g.textSize);
    return sheet;
}

}  // namespace

std::vector<NamedStyle> monthlyTableStyles() {
    const TableLevel levels[] = {
        {QStringLiteral("_科目"), QStringLiteral("科　目")},
        {QStringLiteral("_摘要"), QStringLiteral("摘　要")},
    };
    std::vector<NamedStyle> styles;
    for (const TableGeometry* geometry : {&kA4, &kB4}) {
        for (const TableLevel& level : levels) {
            for (const StyleFont& font : styleFonts()) {
                for (const HeadingColour& colour : headingColours()) {
                    styles.push_back(
                        {geometry->prefix + QStringLiteral("月別一覧表") + level.part + font.part +
                             colour.letter + ".slf",
                         [=] { return monthlyTable(*geometry, level, font, colour); }});
                }
            }
        }
    }
    return styles;
}

}  // namespace tallyrix::stylegen
