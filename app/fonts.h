#pragma once

namespace tallyrix {

// Maps the Windows faces the program and its style files name ("メイリオ",
// "ＭＳ 明朝", ...) to the IPA fonts, makes "メイリオ" the interface font and
// gives hints their lime background.
void installJapaneseFonts();

}  // namespace tallyrix
