#include "core/comma_text.h"

namespace tallyrix {

void splitCommaText(QStringView text, std::vector<FieldSpan>& spans) {
    spans.clear();
    const qsizetype size = text.size();
    qsizetype pos = 0;
    while (pos < size) {
        const bool quoted = text[pos] == u'"';
        if (quoted) {
            ++pos;
        }
        const qsizetype start = pos;
        while (pos < size) {
            const char16_t c = text[pos].unicode();
            if (c == u'\r' || c == u'"' || (!quoted && c == u',')) {
                break;
            }
            ++pos;
        }
        spans.push_back({start, pos - start});
        // Past the stop character; a quoted item also skips the character after
        // its closing quote, which is normally the separating comma.
        pos += quoted ? 2 : 1;
    }
}

}  // namespace tallyrix
