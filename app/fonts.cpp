#include "app/fonts.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QToolTip>

namespace tallyrix {

void installJapaneseFonts() {
    const struct {
        const char* windowsFace;
        QStringList substitutes;
    } faces[] = {
        {"メイリオ", {"IPAexGothic", "IPAPGothic", "IPAGothic"}},
        {"ＭＳ ゴシック", {"IPAGothic", "IPAexGothic"}},
        {"ＭＳ Ｐゴシック", {"IPAPGothic", "IPAexGothic"}},
        {"ＭＳ 明朝", {"IPAMincho", "IPAexMincho"}},
        {"ＭＳ Ｐ明朝", {"IPAPMincho", "IPAexMincho"}},
    };
    for (const auto& face : faces) {
        QFont::insertSubstitutions(QString::fromUtf8(face.windowsFace), face.substitutes);
    }
    QFont font(QStringLiteral("メイリオ"));
    font.setPointSize(9);
    QApplication::setFont(font);
    // Hints on a lime background.
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, QColor(0, 255, 0));
    hints.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(hints);
}

}  // namespace tallyrix
