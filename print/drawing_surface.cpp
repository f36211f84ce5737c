#include "print/drawing_surface.h"

#include <cmath>

namespace tallyrix {

int FontSpec::pixelHeight() const {
    return static_cast<int>(std::lround(static_cast<double>(points) * resolution / 72.0));
}

}  // namespace tallyrix
