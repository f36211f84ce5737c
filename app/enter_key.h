#pragma once

#include <functional>

class QWidget;

namespace tallyrix {

// Runs `action` when Enter or Return is pressed in `chooser` and takes the key,
// so a list or grid to choose from acts on Enter as on a double-click, and no
// button of its window sees the key.
void onEnterKey(QWidget* chooser, std::function<void()> action);

}  // namespace tallyrix
