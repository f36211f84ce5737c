#include "print/style_template.h"

#include <QFileInfo>

#include "core/line_store.h"

namespace tallyrix {

StyleTemplate loadStyleTemplate(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        return {};
    }
    LineStore lines;
    lines.loadFromFile(path);
    return lines.toStringList();
}

}  // namespace tallyrix
