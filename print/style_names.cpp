#include "print/style_names.h"

namespace tallyrix {

PenStyle penStyleNamed(const QString& name) {
    static const struct {
        const char16_t* name;
        PenStyle style;
    } kStyles[] = {
        {u"実線", PenStyle::Solid},
        {u"破線", PenStyle::Dash},
        {u"点線", PenStyle::Dot},
        {u"一点鎖線", PenStyle::DashDot},
        {u"二点鎖線", PenStyle::DashDotDot},
        {u"立体線", PenStyle::InsideFrame},
    };
    for (const auto& s : kStyles) {
        if (name == QStringView(s.name)) {
            return s.style;
        }
    }
    return PenStyle::Solid;
}

BrushStyle brushStyleNamed(const QString& name) {
    static const struct {
        const char16_t* english;
        const char16_t* japanese;
        BrushStyle style;
    } kStyles[] = {
        {u"SolidBrush", u"塗潰", BrushStyle::Solid},
        {u"ClearBrush", u"枠", BrushStyle::Clear},
        {u"HorizontalBrush", u"水平", BrushStyle::Horizontal},
        {u"VerticalBrush", u"垂直", BrushStyle::Vertical},
        {u"FDiagonalBrush", u"右斜線", BrushStyle::ForwardDiagonal},
        {u"BDiagonalBrush", u"左斜線", BrushStyle::BackwardDiagonal},
        {u"CrossBrush", u"垂直十字", BrushStyle::Cross},
        {u"DiagCrossBrush", u"斜十字", BrushStyle::DiagonalCross},
    };
    for (const auto& s : kStyles) {
        if (name == QStringView(s.english) || name == QStringView(s.japanese)) {
            return s.style;
        }
    }
    return BrushStyle::Solid;
}

FontStyle fontStyleNamed(const QString& name) {
    if (name == u"太字") {
        return {true, false};
    }
    if (name == u"斜体") {
        return {false, true};
    }
    if (name == u"太字斜体") {
        return {true, true};
    }
    return {};
}

}  // namespace tallyrix
