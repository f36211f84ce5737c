#include "print/drawing_surface.h"

#include <cmath>

namespace tallyrix {

int TextFont::pixelHeight() const {
    return static_cast<int>(std::lround(static_cast<double>(points) * resolution / 72.0));
}

}  // namespace tallyrix
