#include "print/page_drawing.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace tallyrix {

int mulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<std::int64_t>(c))) {
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    }
    return static_cast<int>(std::clamp<std::int64_t>(quotient, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

PageDrawing::PageDrawing(const RenderContext& context) : m_context(context) {
    const PositionOffsets& offsets = context.offsets;
    const bool pairs = usesSheetPairs(context.reportKind, context.paperChoice);
    m_offset = (pairs && offsets.evenSheetPage) ? offsets.evenSheet : offsets.oddSheet;
}

void PageDrawing::useSelectedSheetPair() {
    const PositionOffsets& offsets = m_context.offsets;
    m_offset = offsets.evenSheetPage ? offsets.evenSheet : offsets.oddSheet;
}

DeviceRect PageDrawing::rect(Decimal4 x1, Decimal4 y1, Decimal4 x2, Decimal4 y2) const {
    return {x(x1), y(y1), x(x2), y(y2)};
}

int PageDrawing::penPixels(int width, int printerExtra, PenStyle style) const {
    const auto w = static_cast<int>(
        std::min<std::int64_t>(static_cast<std::int64_t>(width) + (printer() ? printerExtra : 0),
                               std::numeric_limits<int>::max()));
    const int pixels = mulDiv(m_context.zoomedResolution(), w, 144);
    const bool patterned = style == PenStyle::Dash || style == PenStyle::Dot ||
                           style == PenStyle::DashDot || style == PenStyle::DashDotDot;
    return (patterned || pixels <= 0) ? 1 : pixels;
}

void PageDrawing::resetAfterShape() const {
    DrawingSurface& s = surface();
    s.setPenStyle(PenStyle::Solid);
    s.setPenColour(kWhite);
    s.setBrushStyle(BrushStyle::Clear);
    s.setBrushColour(kWhite);
}

}  // namespace tallyrix
