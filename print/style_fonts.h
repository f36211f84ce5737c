#pragma once

namespace tallyrix {

// Style files and the program name Windows font faces ("ＭＳ 明朝", "ＭＳ ゴシック",
// "ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック", "メイリオ", ...). This maps each to the IPA
// fonts, so that pages show Japanese glyphs on screen, in PDF files and on paper.
// Needs a QGuiApplication; call once at start-up.
void installStyleFonts();

}  // namespace tallyrix
