#include <QStringList>
#include <algorithm>

#include "core/cp932.h"
#include "print/page_drawing.h"
#include "print/style_names.h"

// The text kinds "char" and "data": normal text with or without a pitch,
// vertical writing, glyph shapes filled bold or with a gradient, rotated text.

namespace tallyrix {
namespace {

enum class TextMode { Normal, FilledBold, Gradient, Rotated, Vertical };

struct TextItem {
    Decimal4 x, y;
    Decimal4 shadowDx, shadowDy;
    int vertical = 0;
    int shadowColour = 0;  // the angle in tenths of a degree in rotated mode
    QString face;
    int points = 0;
    FontStyle style;
    int mode = 0;
    Decimal4 pitch;
    StyleColour colour = 0;
    QString text;
    int previewOnly = 0;
    int maxDigits = 0;  // the text is cut to this many widths of "1"; 0 = no limit
    int centring = 0;
};

TextItem readTextItem(const StyleFields& f) {
    TextItem t;
    t.x = f.decimal(6);
    t.y = f.decimal(7);
    f.decimal(8);  // the second point is not drawn with, but must be a number
    f.decimal(9);
    t.shadowDx = f.decimal(10);
    t.shadowDy = f.decimal(11);
    t.vertical = f.integerOr0(12);
    t.shadowColour = f.integerOr0(13);
    t.face = f.text(14);
    t.points = f.integer(15);
    t.style = fontStyleNamed(f.text(16));
    t.mode = f.integer(17);
    t.pitch = f.decimal(18);
    t.colour = f.integerOr0(19);
    t.text = f.text(20);
    t.previewOnly = f.flag(21);
    t.maxDigits = f.flag(22);
    t.centring = f.integerOr0(23);
    return t;
}

TextMode modeOf(const TextItem& t) {
    if (t.vertical != 0) {
        return TextMode::Vertical;
    }
    switch (t.mode) {
        case 0:
            return TextMode::Normal;
        case 1:
            return TextMode::FilledBold;
        case 2:
            return TextMode::Gradient;
        case 3:
            return TextMode::Rotated;
        default:
            return TextMode::Vertical;
    }
}

// The characters of a text; a surrogate pair is one character.
QStringList characters(const QString& text) {
    QStringList result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length =
            (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2
                                                                                               : 1;
        result.append(text.mid(i, length));
        i += length - 1;
    }
    return result;
}

void removeLastCharacter(QString& text) {
    const qsizetype n = text.size();
    const bool pair = n >= 2 && text[n - 1].isLowSurrogate() && text[n - 2].isHighSurrogate();
    text.chop(pair ? 2 : 1);
}

// One channel of a 0x00BBGGRR colour.
int channel(StyleColour colour, int shift) {
    return (colour >> shift) & 0xFF;
}

class TextDrawer {
public:
    TextDrawer(PageDrawing& page, const TextItem& item)
        : m_page(page), m_s(page.surface()), m_item(item), m_mode(modeOf(item)) {
        // The second value: the angle in rotated mode, the gradient's end colour otherwise.
        m_secondValue = m_mode == TextMode::Rotated ? item.shadowColour : 10 * item.vertical;
    }

    void draw() {
        TextFont font = m_s.font();
        font.face = m_item.face;
        font.bold = m_item.style.bold;
        font.italic = m_item.style.italic;
        m_s.setFont(font);
        if (!m_item.shadowDx.isZero() || !m_item.shadowDy.isZero()) {
            drawOnce(m_item.x + m_item.shadowDx, m_item.y + m_item.shadowDy, m_item.shadowColour);
        }
        drawOnce(m_item.x, m_item.y, m_item.colour);
    }

private:
    const RenderContext& context() const { return m_page.context(); }

    // Fonts follow Z on the preview and the printer's resolution on paper.
    int fontResolution() const {
        return m_page.printer() ? context().printerResolutionX : context().zoomedResolution();
    }

    void drawOnce(Decimal4 x, Decimal4 y, StyleColour colour) {
        if (x.isZero() || m_item.text.isEmpty() || m_page.skips(m_item.previewOnly)) {
            return;
        }
        TextFont font = m_s.font();
        font.face = m_item.face;
        font.points = m_item.points;
        font.resolution = context().zoomedResolution();
        m_s.setFont(font);
        m_s.setFontColour(colour);
        m_s.setBrushStyle(BrushStyle::Clear);
        TextFont printerFont = font;
        printerFont.resolution = context().printerResolutionX;
        if (m_page.printer()) {
            m_s.setFont(printerFont);
        }
        const QString text = fitted(m_item.text, font, printerFont);
        switch (m_mode) {
            case TextMode::Normal:
                drawNormal(x, y, text);
                break;
            case TextMode::Vertical:
                drawVertical(x, y, text);
                break;
            case TextMode::FilledBold:
            case TextMode::Gradient:
                drawGlyphFill(x, y, text, colour);
                break;
            case TextMode::Rotated:
                drawRotated(x, y, text, colour);
                break;
        }
    }

    // The text cut from its end until it is no wider than maxDigits widths of
    // "1", measured in the printer's font also on the preview, so that the
    // preview shows the cut of the paper.
    QString fitted(QString text, const TextFont& font, const TextFont& printerFont) {
        if (m_item.maxDigits <= 0) {
            return text;
        }
        if (!m_page.printer()) {
            m_s.setFont(printerFont);
        }
        const qint64 limit =
            static_cast<qint64>(m_s.textExtent(QStringLiteral("1")).width()) * m_item.maxDigits;
        constexpr int kMaxRemovals = 4000;
        for (int removed = 0;
             limit > 0 && removed < kMaxRemovals && m_s.textExtent(text).width() > limit;
             ++removed) {
            removeLastCharacter(text);
        }
        if (!m_page.printer()) {
            m_s.setFont(font);
        }
        return text;
    }

    void drawNormal(Decimal4 x, Decimal4 y, const QString& text) {
        if (m_item.pitch.isZero()) {
            m_s.textOut(m_page.point(x, y), text);
            return;
        }
        const QStringList chars = characters(text);
        Decimal4 pitch = m_item.pitch;
        if (pitch.isNegative()) {
            // A negative pitch names the right end.
            pitch = -pitch;
            x -= pitch * countUpTo256(chars);
        }
        if (m_item.centring == 1) {
            x -= Decimal4::fromInt(centringShift(chars, pitch));
        }
        for (const QString& c : chars) {
            m_s.textOut(m_page.point(x, y), c);
            x += pitch;
        }
    }

    void drawVertical(Decimal4 x, Decimal4 y, const QString& text) {
        const QStringList chars = characters(text);
        // Without a pitch the characters stand half the type size apart, in mm.
        Decimal4 pitch = m_item.pitch.isZero()
                             ? Decimal4::fromUnits(static_cast<std::int64_t>(m_item.points) *
                                                   Decimal4::kScale / 2)
                             : m_item.pitch;
        if (pitch.isNegative()) {
            pitch = -pitch;
            y -= pitch * countUpTo256(chars);
        }
        for (const QString& c : chars) {
            m_s.textOut(m_page.point(x, y), c);
            y += pitch;
        }
    }

    static int countUpTo256(const QStringList& chars) {
        return static_cast<int>(std::min<qsizetype>(chars.size(), 256));
    }

    // How far a pitched text moves left so that it stands centred in its box,
    // in whole millimetres, from the width of a reference character.
    int centringShift(const QStringList& chars, Decimal4 pitch) {
        const qsizetype n = chars.size();
        if (n < 2 || n > 8) {
            return 0;
        }
        const bool singleByte = cp932ByteLength(chars.first()) == 1;
        const int pixels =
            m_s.textExtent(singleByte ? QStringLiteral("5") : QStringLiteral("翔")).width();
        // Back to millimetres at the resolution the font was made at.
        const double pixelsPerInch =
            m_page.printer() ? context().printerResolutionX
                             : context().screenResolutionX * context().zoomPercent / 100.0;
        const int w = pixelsPerInch > 0 ? static_cast<int>(pixels * 25.4 / pixelsPerInch) : 0;
        const auto q =
            static_cast<int>((pitch.units() + 2 * Decimal4::kScale) / (4 * Decimal4::kScale));
        const auto quarter = static_cast<int>(pitch.units() / (4 * Decimal4::kScale));
        switch (n) {
            case 2:
                return w / 2;
            case 3:
                return w + quarter - (m_item.points == 48 ? 2 : 0);
            case 4:
                return w + w / 2 + q;
            case 5:
                return 2 * w + q;
            case 6:
                return 2 * w + w / 2 + q;
            case 7:
                return 3 * w + q;
            default:
                return 3 * w + w / 2 + q;
        }
    }

    // Bold glyph shapes filled with the colour, or with a gradient from the
    // colour at the top to the second value at the bottom, row by row.
    void drawGlyphFill(Decimal4 x, Decimal4 y, const QString& text, StyleColour colour) {
        TextFont font = m_s.font();
        font.face = m_item.face;
        font.points = m_item.points;
        font.resolution = fontResolution();
        font.bold = true;
        m_s.setFont(font);
        m_s.setBrushStyle(BrushStyle::Solid);
        m_s.setBrushColour(colour);
        const bool gradient = m_mode == TextMode::Gradient;
        if (gradient) {
            m_s.setTransparentBackground();
        }
        const QSize extent = m_s.textExtent(text);
        const QPoint at = m_page.point(x, y);
        const DeviceRect rect{at.x(), at.y(), at.x() + extent.width(), at.y() + extent.height()};
        if (!m_s.clipToTextShape(rect, text)) {
            return;
        }
        if (!gradient) {
            m_s.fillRect(rect);
        } else {
            const int rows = extent.height();
            for (int i = 0; i <= rows; ++i) {
                m_s.setBrushColour(gradientColour(colour, m_secondValue, i, rows));
                m_s.fillRect({rect.left, rect.top + i, rect.right, rect.top + i + 1});
            }
        }
        m_s.removeClip();
    }

    static StyleColour gradientColour(StyleColour start, StyleColour end, int row, int rows) {
        StyleColour result = 0;
        for (int shift : {0, 8, 16}) {
            const int from = channel(start, shift);
            const int step = rows > 0 ? static_cast<int>(static_cast<qint64>(row) *
                                                         (channel(end, shift) - from) / rows)
                                      : 0;
            result |= (((from + step) % 256 + 256) % 256) << shift;
        }
        return result;
    }

    void drawRotated(Decimal4 x, Decimal4 y, const QString& text, StyleColour colour) {
        const RenderContext& c = context();
        // The preview's cell height is (size + 4) screen pixels at the zoom; on
        // paper the same height in the printer's pixels.
        const qint64 cell = m_item.points + 4;
        const qint64 height =
            m_page.printer()
                ? (c.screenResolutionX > 0 ? cell * c.printerResolutionX / c.screenResolutionX : 0)
                : cell * c.zoomPercent / 100;
        m_s.setRotatedFont(m_item.face,
                           static_cast<int>(std::clamp<qint64>(height, -100000, 100000)),
                           m_secondValue);
        m_s.setBrushStyle(BrushStyle::Clear);
        m_s.setFontColour(colour);
        m_s.textOut(m_page.point(x, y), text);
    }

    PageDrawing& m_page;
    DrawingSurface& m_s;
    const TextItem& m_item;
    TextMode m_mode;
    int m_secondValue = 0;
};

}  // namespace

void drawTextItem(PageDrawing& page, const StyleFields& fields) {
    const TextItem item = readTextItem(fields);
    TextDrawer(page, item).draw();
}

}  // namespace tallyrix
