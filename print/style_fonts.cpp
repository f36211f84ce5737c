#include "print/style_fonts.h"

#include <QFont>
#include <QStringList>

namespace tallyrix {

void installStyleFonts() {
    const QStringList gothic{"IPAGothic", "IPAexGothic"};
    const QStringList proportionalGothic{"IPAPGothic", "IPAexGothic"};
    const QStringList meiryo{"IPAexGothic", "IPAPGothic", "IPAGothic"};
    const QStringList mincho{"IPAMincho", "IPAexMincho"};
    const QStringList proportionalMincho{"IPAPMincho", "IPAexMincho"};
    const struct {
        const char16_t* windowsFace;
        const QStringList& substitutes;
    } faces[] = {
        {u"ＭＳ ゴシック", gothic},
        {u"MS Gothic", gothic},
        {u"ＭＳ Ｐゴシック", proportionalGothic},
        {u"MS PGothic", proportionalGothic},
        {u"ＭＳ ＵＩ ゴシック", proportionalGothic},
        {u"MS UI Gothic", proportionalGothic},
        {u"メイリオ", meiryo},
        {u"Meiryo", meiryo},
        {u"Meiryo UI", meiryo},
        {u"游ゴシック", meiryo},
        {u"Yu Gothic", meiryo},
        {u"ＭＳ 明朝", mincho},
        {u"MS Mincho", mincho},
        {u"ＭＳ Ｐ明朝", proportionalMincho},
        {u"MS PMincho", proportionalMincho},
        {u"游明朝", proportionalMincho},
        {u"Yu Mincho", proportionalMincho},
    };
    for (const auto& face : faces) {
        QFont::insertSubstitutions(QString::fromUtf16(face.windowsFace), face.substitutes);
    }
}

}  // namespace tallyrix
