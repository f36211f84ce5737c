#pragma once

namespace tallyrix {

// Maps the Windows faces the program and its style files name ("メイリオ",
// "ＭＳ 明朝", ...) to the IPA fonts, and makes "メイリオ" the interface font.
void installJapaneseFonts();

}  // namespace tallyrix
