#include "app/fonts.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QToolTip>

#include "print/style_fonts.h"

namespace tallyrix {

void installJapaneseFonts() {
    installStyleFonts();
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
