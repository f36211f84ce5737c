#include "core/text_checks.h"

#include "core/cp932.h"

namespace tallyrix {

std::optional<QString> unsavableCharacterMessage(const QString& text) {
    const QString bad = firstNonCp932Character(text);
    if (bad.isEmpty()) {
        return std::nullopt;
    }
    return QStringLiteral("「%1」は保存できない文字です。別の文字に置き換えてください。").arg(bad);
}

}  // namespace tallyrix
