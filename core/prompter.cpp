#include "core/prompter.h"

#include "core/errors.h"

namespace tallyrix {

void reportError(Prompter& prompter, const std::exception& error) {
    if (const auto* ours = dynamic_cast<const TallyError*>(&error)) {
        prompter.showMessage(ours->message());
    } else {
        prompter.showMessage(QString::fromUtf8(error.what()));
    }
}

}  // namespace tallyrix
