#include <gtest/gtest.h>

#include <QDir>
#include <QLine>
#include <QRect>
#include <QRegularExpression>
#include <functional>
#include <map>
#include <set>

#include "core/cp932.h"
#include "core/errors.h"
#include "core/format_settings.h"
#include "print/recording_surface.h"
#include "print/render_context.h"
#include "print/style_header.h"
#include "print/style_line.h"
#include "print/style_page.h"
#include "print/style_template.h"
#include "tests/support/temp_dir.h"

// The plain-paper style files the install folder ships: one for every choice
// the print page can name, each a whole page on its paper, with a slot for
// every row the composers fill, whose texts stay inside their ruled cells and
// inside the printable area when filled with the longest values they take.

namespace tallyrix {
namespace {

const QString kStyleFolder = QStringLiteral(TALLYRIX_STYLE_DIR);

QStringList styleFileNames() {
    return QDir(kStyleFolder).entryList(QDir::Files, QDir::Name);
}

StyleTemplate styleLines(const QString& name) {
    return loadStyleTemplate(QDir(kStyleFolder).filePath(name));
}

QString fieldOf(const QString& line, int n) {
    return lastFieldUpTo(line, n);
}

enum class Report { Ledger, MonthlyTable, Summary, Balances, Graph };

Report reportOf(const QString& name) {
    if (name.endsWith(QLatin1String(".slf"))) {
        return Report::MonthlyTable;
    }
    if (name == QStringLiteral("入出金集計表.sle")) {
        return Report::Summary;
    }
    if (name == QStringLiteral("月別帳簿別残高一覧表.sle")) {
        return Report::Balances;
    }
    if (name == QStringLiteral("入出金集計グラフ.sle")) {
        return Report::Graph;
    }
    return Report::Ledger;
}

// The sheet in millimetres as the header line names it.
QSize sheetOf(const StyleHeader& header) {
    const QSize portrait = header.paperSize == 12 ? QSize(250, 353) : QSize(210, 297);
    return header.orientation == 1 ? portrait.transposed() : portrait;
}

TEST(StyleAssets, TheFolderHoldsTheFileOfEveryPlainPaperChoiceAndNothingElse) {
    const QString fonts[] = {"_ゴシック", "_明朝"};
    const QString colours[] = {"G", "B", "P", ""};  // grey, blue, pink, white
    std::set<QString> expected{"入出金集計表.sle", "月別帳簿別残高一覧表.sle",
                               "入出金集計グラフ.sle"};
    for (const QString& font : fonts) {
        for (const QString& colour : colours) {
            for (const QString stem : {"A4現金出納帳", "A4経費明細帳", "A4銀行勘定帳"}) {
                // With the account-title column, without it, with an account search.
                for (const QString column : {"_月分1", "_月分2", "_科目指定"}) {
                    expected.insert(stem + column + font + colour + ".sle");
                }
            }
            for (const QString paper : {"A4", "B4"}) {
                for (const QString level : {"_科目", "_摘要"}) {
                    expected.insert(paper + "月別一覧表" + level + font + colour + ".slf");
                }
            }
        }
    }
    const QStringList names = styleFileNames();
    const std::set<QString> present(names.begin(), names.end());
    for (const QString& name : expected) {
        EXPECT_TRUE(present.count(name)) << "missing: " << name.toStdString();
    }
    for (const QString& name : present) {
        EXPECT_TRUE(expected.count(name))
            << "not a style the print page names: " << name.toStdString();
    }
}

TEST(StyleAssets, EveryFileIsCp932TextWithCrLfAfterEveryLineAndNoEmptyLine) {
    for (const QString& name : styleFileNames()) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = test::readBytes(QDir(kStyleFolder).filePath(name));
        const QString text = decodeCp932(bytes);
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
        EXPECT_EQ(encodeCp932(text), bytes);
        ASSERT_TRUE(text.endsWith(QLatin1String("\r\n")));
        const QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));
        for (const QString& line : lines) {
            EXPECT_FALSE(line.contains(u'\r') || line.contains(u'\n'));
            // An empty line would end the page there.
            EXPECT_FALSE(line.isEmpty());
        }
    }
}

TEST(StyleAssets, TheHeaderNamesThePaperOrientationAndAutomaticTray) {
    fixFormatSettings();
    for (const QString& name : styleFileNames()) {
        SCOPED_TRACE(name.toStdString());
        const StyleTemplate lines = styleLines(name);
        EXPECT_EQ(styleVersion(lines), QStringLiteral("Ver1.1"));
        const StyleHeader header = readStyleHeader(lines);
        const bool landscape =
            reportOf(name) == Report::MonthlyTable || reportOf(name) == Report::Graph;
        EXPECT_EQ(header.paperSize, name.startsWith(QLatin1String("B4")) ? 12 : 9);
        EXPECT_EQ(header.orientation, landscape ? 1 : 0);
        EXPECT_EQ(header.paperSource, 7);
        EXPECT_TRUE(header.oddX.isZero() && header.oddY.isZero() && header.evenX.isZero() &&
                    header.evenY.isZero());
    }
}

// The placeholders each report's composer fills, slot by slot.
QStringList slotPlaceholders(const QString& name, const StyleTemplate& lines, int& rows) {
    rows = 0;
    for (const QString& line : lines.mid(1)) {
        const QString text = fieldOf(line, 20);
        if (text.startsWith(QLatin1String("#maxline="))) {
            rows = text.mid(9).toInt();
            break;
        }
    }
    QStringList wanted;
    const auto nn = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    switch (reportOf(name)) {
        case Report::Ledger:
            for (int s = 1; s <= rows; ++s) {
                for (const char* p : {"#ia_", "#ic_", "#id_", "#ie_", "#if_"}) {
                    wanted << QString::fromLatin1(p) + nn(s);
                }
                if (name.contains(QStringLiteral("_月分1"))) {
                    wanted << QStringLiteral("#ib_") + nn(s);
                }
            }
            break;
        case Report::MonthlyTable:
            for (int row = 0; row <= rows; ++row) {
                for (char letter = row == 0 ? 'b' : 'a'; letter <= 'n'; ++letter) {
                    wanted << QStringLiteral("#k%1_").arg(QLatin1Char(letter)) + nn(row);
                }
            }
            break;
        case Report::Summary:
            for (int m = 1; m <= 13; ++m) {
                for (const char* p : {"#income", "#expense", "#sagaku"}) {
                    wanted << QString::fromLatin1(p) + nn(m);
                }
                if (m <= 12) {
                    for (const char* p : {"#rincome", "#rexpense", "#rsagaku", "#y", "#m"}) {
                        wanted << QString::fromLatin1(p) + nn(m);
                    }
                }
            }
            break;
        case Report::Balances:
            for (int k = 1; k <= 56; ++k) {
                wanted << QStringLiteral("#notename") + nn(k) << QStringLiteral("#notezan") + nn(k);
            }
            wanted << "#notetitle_m"
                   << "#notetitle_s"
                   << "#income"
                   << "#expense"
                   << "#sagaku";
            break;
        case Report::Graph:
            for (int m = 1; m <= 12; ++m) {
                for (const char* p :
                     {"#inc", "#rinc", "#exp", "#rexp", "#sag", "#rsag", "#y", "#m"}) {
                    wanted << QString::fromLatin1(p) + nn(m);
                }
            }
            break;
    }
    return wanted;
}

// The placeholders of a line, as whole tokens ("#ia_01", "#PY", "#y01", "#notetitle_m").
QStringList tokensOf(const QString& text) {
    static const QRegularExpression token(
        QStringLiteral("#[A-Za-z]+(?:_[a-z](?![a-z])|_?[0-9]{2})?"));
    QStringList tokens;
    for (auto it = token.globalMatch(text); it.hasNext();) {
        tokens << it.next().captured();
    }
    return tokens;
}

bool isAmountToken(const QString& token) {
    static const QRegularExpression amount(QStringLiteral(
        "^#(i[def]_|k[b-n]_(?!00)|r?(income|expense|sagaku|inc|exp|sag)[0-9]{2}|notezan|income$|"
        "expense$|sagaku$)"));
    return amount.match(token).hasMatch();
}

TEST(StyleAssets, EveryRowSlotHasItsPlaceholderOnceAndEveryAmountIsRightAligned) {
    fixFormatSettings();
    for (const QString& name : styleFileNames()) {
        SCOPED_TRACE(name.toStdString());
        const StyleTemplate lines = styleLines(name);
        int rows = 0;
        const QStringList wanted = slotPlaceholders(name, lines, rows);
        const Report report = reportOf(name);
        if (report == Report::Ledger || report == Report::MonthlyTable) {
            EXPECT_GE(rows, 2);
        }
        std::map<QString, int> found;
        for (const QString& line : lines.mid(1)) {
            for (const QString& token : tokensOf(fieldOf(line, 20))) {
                ++found[token];
                // A negative pitch makes x the right end; the composers' smaller
                // types for long amounts keep it there.
                if (isAmountToken(token)) {
                    EXPECT_LT(fieldOf(line, 18).toDouble(), 0) << token.toStdString();
                }
            }
        }
        for (const QString& placeholder : wanted) {
            EXPECT_EQ(found[placeholder], 1) << placeholder.toStdString();
        }
        // No slot beyond the row count: its row would never be filled.
        const QString beyond = QStringLiteral("_%1").arg(rows + 1, 2, 10, QLatin1Char('0'));
        for (const auto& [token, count] : found) {
            EXPECT_FALSE((report == Report::Ledger || report == Report::MonthlyTable) &&
                         token.endsWith(beyond))
                << token.toStdString();
        }
    }
}

// A surface that also keeps the straight lines drawn and the box of every text
// (leading blanks left out: they only centre a title).
class GeometrySurface : public RecordingSurface {
public:
    using RecordingSurface::RecordingSurface;

    struct TextBox {
        QRect box;
        QString text;
    };
    std::vector<QLine> lines;
    std::vector<TextBox> texts;

    void moveTo(QPoint point) override {
        m_at = point;
        RecordingSurface::moveTo(point);
    }
    void lineTo(QPoint point) override {
        lines.emplace_back(m_at, point);
        m_at = point;
        RecordingSurface::lineTo(point);
    }
    void textOut(QPoint topLeft, const QString& text) override {
        const int height = std::abs(font().pixelHeight());
        int left = topLeft.x();
        int width = 0;
        bool leading = true;
        for (QChar c : text) {
            const int w = cp932ByteLength(QString(c)) == 1 ? height / 2 : height;
            if (leading && (c == u' ' || c == u'\u3000')) {
                left += w;
                continue;
            }
            leading = false;
            width += w;
        }
        if (width > 0) {
            texts.push_back({QRect(left, topLeft.y(), width, height), text});
        }
        RecordingSurface::textOut(topLeft, text);
    }

private:
    QPoint m_at;
};

bool crosses(const QRect& box, const QLine& line) {
    const int right = box.x() + box.width();
    const int bottom = box.y() + box.height();
    if (line.x1() == line.x2()) {
        const int top = std::min(line.y1(), line.y2());
        const int end = std::max(line.y1(), line.y2());
        return box.x() < line.x1() && line.x1() < right && box.y() < end && top < bottom;
    }
    if (line.y1() == line.y2()) {
        const int start = std::min(line.x1(), line.x2());
        const int end = std::max(line.x1(), line.x2());
        return box.y() < line.y1() && line.y1() < bottom && box.x() < end && start < right;
    }
    return false;  // the strokes through unused cells
}

// A value the composers write for a placeholder, and the type they switch the
// item to for it (empty: the style's own).
struct Filling {
    Filling(const char* v = "", const char* s = "", const char* p = "")
        : value(QString::fromUtf8(v)), size(QString::fromUtf8(s)), pitch(QString::fromUtf8(p)) {}
    Filling(const QString& v) : value(v) {}
    QString value;
    QString size;
    QString pitch;
};

// The longest values of each report's placeholders, by token without its slot
// number; the types are those the composers choose for texts of that length.
Filling fillingFor(Report report, const QString& token, bool b4) {
    static const QRegularExpression slot(QStringLiteral("_?[0-9]{2}$"));
    const QString key = QString(token).remove(0, 1).remove(slot);
    const QString bookTitle = QStringLiteral("みずほ銀行本店普通預－福利厚生費交際費");
    const QString book = QStringLiteral("みずほ銀行本店普通預");
    const QString longText =
        QStringLiteral("電車代　東京～大阪　出張（営業部）　《みずほ銀行本店普通預》");
    const std::map<QString, Filling> common{
        {"Y", {"2025"}},
        {"M", {"12"}},
        {"D", {"31"}},
        {"W", {"水"}},
        {"pg", {"12"}},
        {"OF", {"株式会社タリリックス商会　本社経理部　第二課　御中"}},
        {"date", {"2025/12/31"}},
        {"range", {"2025年04月01日～2026年03月31日"}},
        {"TL", {"福利厚生費交際費明細表"}},
        {"y", {"2025"}},
        {"m", {"12"}},
        {"PY", {"2025/04/01～2026/03/31"}},
    };
    std::map<QString, Filling> own;
    switch (report) {
        case Report::Ledger: {
            // The centring blanks of a 19-character title: 28 - 19.
            own = {{"tl", {QString(9, u' ') + bookTitle}},
                   {"NS", {bookTitle}},
                   {"PY", {"2025年12月"}},
                   {"PM", {"12"}},
                   {"KF", {"福利厚生費交際費"}},
                   {"ia", {"12月31日"}},
                   {"ib", {"福利厚生費交際費"}},
                   {"ic", {longText}},
                   {"id", {"1,234,567,890"}},
                   {"ie", {"1,234,567,890"}},
                   {"if", {"-1,234,567,890", "9", "-1.6"}}};
            break;
        }
        case Report::MonthlyTable: {
            if (!key.startsWith(u'k')) {
                break;
            }
            if (token.endsWith(QLatin1String("_00"))) {
                return {token.startsWith(QLatin1String("#kn")) ? "科目年間計" : "10月度"};
            }
            if (key == QLatin1String("ka")) {
                return {longText};
            }
            if (key == QLatin1String("kn")) {
                return {"-1,234,567,890"};
            }
            // Every length the composer has a type for, and a shorter one that keeps the style's.
            static const struct {
                QString value;
                Filling a4, b4;
            } amounts[] = {
                {"1,234,567", {}, {}},
                {"12,345,678", {"", "9", "-1.7"}, {"", "10", "-2.1"}},
                {"-12,345,678", {"", "9", "-1.5"}, {"", "10", "-2"}},
                {"-123,456,789", {"", "8", "-1.3"}, {"", "10", "-1.7"}},
                {"1,234,567,890", {"", "8", "-1.3"}, {"", "10", "-1.7"}},
            };
            const auto& a = amounts[(key.at(1).unicode() - u'b') % 5];
            Filling f = b4 ? a.b4 : a.a4;
            f.value = a.value;
            return f;
        }
        case Report::Summary:
            own = {{"notesname", {book}},
                   {"income", {"1,234,567,890", "9", "-1.6"}},
                   {"rincome", {"1,234,567,890", "9", "-1.6"}},
                   {"expense", {"1,234,567,890", "9", "-1.6"}},
                   {"rexpense", {"1,234,567,890", "9", "-1.6"}},
                   {"sagaku", {"-1,234,567,890"}},
                   {"rsagaku", {"-1,234,567,890"}}};
            break;
        case Report::Balances:
            own = {{"notename", {QStringLiteral("預金|") + book}},
                   {"notezan", {"-1,234,567,890"}},
                   {"notetitle_m", {"現金出納帳   "}},
                   {"notetitle_s", {"預金 " + book}},
                   {"income", {"1,234,567,890"}},
                   {"expense", {"1,234,567,890"}},
                   {"sagaku", {"-1,234,567,890"}}};
            break;
        case Report::Graph:
            own = {{"notename", {book}},
                   {"inc", {"1,234,567,890", "9", "-1.6"}},
                   {"rinc", {"1,234,567,890", "9", "-1.6"}},
                   {"exp", {"1,234,567,890", "9", "-1.6"}},
                   {"rexp", {"1,234,567,890", "9", "-1.6"}},
                   {"sag", {"-123,456,789"}},
                   {"rsag", {"-123,456,789"}}};
            break;
    }
    if (auto it = own.find(key); it != own.end()) {
        return it->second;
    }
    if (auto it = common.find(key); it != common.end()) {
        return it->second;
    }
    ADD_FAILURE() << "no value for " << token.toStdString();
    return {};
}

StyleTemplate filledWithLongestValues(const QString& name, StyleTemplate lines) {
    const Report report = reportOf(name);
    const bool b4 = name.startsWith(QLatin1String("B4"));
    for (QString& line : lines) {
        const QString text = fieldOf(line, 20);
        if (!text.contains(u'#')) {
            continue;
        }
        if (text.startsWith(QLatin1String("#maxline="))) {
            line = fillText(line, text, QString(), false);
            continue;
        }
        for (const QString& token : tokensOf(text)) {
            const Filling f = fillingFor(report, token, b4);
            if (!f.size.isEmpty()) {
                line = setStyleField(setStyleField(line, f.size, 15), f.pitch, 18);
            }
            line = fillText(line, token, f.value, false);
        }
    }
    return lines;
}

TEST(StyleAssets, FilledWithTheLongestValuesEveryTextStaysInItsCellAndOnThePrintableArea) {
    fixFormatSettings();
    // A 600 dpi printer with quarter-inch margins, wider than most.
    constexpr int dpi = 600;
    constexpr double margin = 6.35;
    for (const QString& name : styleFileNames()) {
        SCOPED_TRACE(name.toStdString());
        const StyleTemplate lines = filledWithLongestValues(name, styleLines(name));
        const QSize sheet = sheetOf(readStyleHeader(lines));
        const QRect printable(0, 0, static_cast<int>((sheet.width() - 2 * margin) * dpi / 25.4),
                              static_cast<int>((sheet.height() - 2 * margin) * dpi / 25.4));
        GeometrySurface surface(QSize(dpi, dpi));
        renderStylePage(lines, RenderContext::printerPage(surface, dpi, dpi, 96, 96, 100));
        ASSERT_FALSE(surface.texts.empty());
        for (const auto& text : surface.texts) {
            EXPECT_TRUE(printable.contains(text.box))
                << text.text.toStdString() << " at " << text.box.x() << "," << text.box.y() << " "
                << text.box.width() << "x" << text.box.height();
            for (const QLine& line : surface.lines) {
                EXPECT_FALSE(crosses(text.box, line))
                    << "\"" << text.text.toStdString() << "\" crosses the line from " << line.x1()
                    << "," << line.y1() << " to " << line.x2() << "," << line.y2();
            }
        }
        for (const QLine& line : surface.lines) {
            EXPECT_TRUE(printable.contains(line.p1()) && printable.contains(line.p2()));
        }
    }
}

TEST(StyleAssets, EveryPageDrawsToItsLastLineOnThePreviewAndThePrinter) {
    fixFormatSettings();
    for (const QString& name : styleFileNames()) {
        SCOPED_TRACE(name.toStdString());
        const StyleTemplate lines = styleLines(name);
        for (bool printer : {false, true}) {
            RecordingSurface surface(printer ? QSize(600, 600) : QSize(96, 96));
            const RenderContext context =
                printer ? RenderContext::printerPage(surface, 600, 600, 96, 96, 100)
                        : RenderContext::preview(surface, 96, 96, 100, 600, 600);
            EXPECT_NO_THROW(renderStylePage(lines, context));
        }
    }
}

}  // namespace
}  // namespace tallyrix
