#pragma once

#include <QString>

#include "print/drawing_surface.h"

namespace tallyrix {

// The style files' names of pen, brush and font styles. Unknown names give a
// solid pen, a solid brush and a regular font.
PenStyle penStyleNamed(const QString& name);
BrushStyle brushStyleNamed(const QString& name);

struct FontStyle {
    bool bold = false;
    bool italic = false;
};
FontStyle fontStyleNamed(const QString& name);

}  // namespace tallyrix
