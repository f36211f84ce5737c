#pragma once

#include <QString>
#include <optional>

namespace tallyrix {

// Every file the program writes is code page 932, where a character outside it
// would turn into "?". Inputs that end up in a file are refused instead, with
// this message (heading "確認してください。") naming the character; nothing
// already stored changes.
std::optional<QString> unsavableCharacterMessage(const QString& text);

inline QString checkHeading() {
    return QStringLiteral("確認してください。");
}

}  // namespace tallyrix
