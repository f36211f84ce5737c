#pragma once

#include "print/render_context.h"
#include "print/style_template.h"

namespace tallyrix {

// Draws the page template onto the context's surface, line by line from line
// 0, stopping at the first empty line. Lines whose kind (field 5) is none of
// "line", "rect", "rrect", "Ellipse", "Arc", "Chord", "fillrect", "char",
// "data", "image" and "header" are skipped; so is the header line itself.
//
// The position offset at the start of the page is the odd-sheet pair, or for
// the ledger reports on a pre-printed form the pair the odd/even selector names;
// a "header" item switches to the selector's pair for the rest of the page.
//
// A malformed number in a line raises a ConversionError naming the text; the
// items before that line stay drawn. The template is not changed.
void renderStylePage(const StyleTemplate& lines, const RenderContext& context);

}  // namespace tallyrix
