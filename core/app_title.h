#pragma once

#include <QString>

namespace tallyrix {

// The caption of the main window and the title of every message window.
inline QString applicationTitle() {
    return QStringLiteral("Tallyrix6-Tallyrix Version6");
}

}  // namespace tallyrix
