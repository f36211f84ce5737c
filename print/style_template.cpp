#include "print/style_template.h"

#include <QFileInfo>

#include "core/LightStr.h"

namespace tallyrix {

StyleTemplate loadStyleTemplate(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        return {};
    }
    TLightStrings lines;
    lines.LoadFromFile(path);
    return lines.toStringList();
}

}  // namespace tallyrix
