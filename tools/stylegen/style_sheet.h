#pragma once

#include <QString>
#include <QStringList>

namespace tallyrix::stylegen {

// Paper sizes by their Windows numbers, as the header line names them.
enum class Paper { A4 = 9, B4 = 12 };
enum class Orientation { Portrait = 0, Landscape = 1 };

// Colours as the style files write them: 0x00BBGGRR.
using Colour = int;
constexpr Colour rgb(int r, int g, int b) {
    return (b << 16) | (g << 8) | r;
}
inline constexpr Colour kBlack = 0;
inline constexpr Colour kWhite = rgb(255, 255, 255);

inline constexpr char16_t kGothic[] = u"ＭＳ ゴシック";
inline constexpr char16_t kMincho[] = u"ＭＳ 明朝";

// A pen: width in 1/144 inch, a pen style name, a colour.
struct Pen {
    int width = 1;
    Colour colour = kBlack;
    const char16_t* style = u"実線";
};

// A text item. Texts a composer fills (those holding a placeholder "#", and
// the title words it replaces) are written as "data" items, fixed texts as
// "char" items.
struct Text {
    double x = 0;
    double y = 0;
    QString text;
    int size = 10;  // points
    bool bold = false;
    double pitch = 0;  // mm per character; negative: x is the right end
    Colour colour = kBlack;
    int maxWidth = 0;  // in widths of "1"; 0 = no limit
    bool previewOnly = false;
    QString font;  // empty: the sheet's font
    bool filledByComposer = false;
};

// One style file in the making: the header line, then the items in drawing
// order (fills before the rules drawn over them).
class StyleSheet {
public:
    StyleSheet(QString font, Paper paper, Orientation orientation);

    const QString& font() const { return m_font; }

    void line(double x1, double y1, double x2, double y2, const Pen& pen);
    void horizontal(double x1, double x2, double y, const Pen& pen) { line(x1, y, x2, y, pen); }
    void vertical(double x, double y1, double y2, const Pen& pen) { line(x, y1, x, y2, pen); }
    void frame(double x1, double y1, double x2, double y2, const Pen& pen);
    // A filled box with square corners, edged in its own colour.
    void fill(double x1, double y1, double x2, double y2, Colour colour);
    // An unfilled box with square corners, one pixel wide on the preview.
    void outline(double x1, double y1, double x2, double y2, Colour colour);
    void text(const Text& item);

    const QStringList& lines() const { return m_lines; }

    // Writes the file through the line store (code page 932, CR LF). Throws a
    // FileError when a text cannot be held in code page 932 or the file
    // cannot be written.
    void save(const QString& path) const;

private:
    void item(const QStringList& fields);

    QString m_font;
    QStringList m_lines;
};

// Millimetres in the plain decimal form of style files, to a tenth ("12.5", "-1.6").
QString mm(double value);

// The em of a font size in millimetres.
double emOf(int points);

// The width of a text in ems: a character of one byte in code page 932 is half
// an em, every other character a whole one.
double emWidth(const QString& text);

// The x at which a text of `ems` ems at `points` is centred on `centre`.
double centredX(double centre, double ems, int points);

// The top of a text of `points` that sits centred in a row from `top` of `height`.
double textTop(double top, double height, int points);

// The width limit (in widths of "1", half an em) of a text that must stay within
// `width` mm at `points`.
int widthLimit(double width, int points);

}  // namespace tallyrix::stylegen
