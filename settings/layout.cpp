#include "settings/layout.h"

#include <array>

#include "core/bracket_keys.h"
#include "core/errors.h"
#include "core/prompter.h"

namespace tallyrix {
namespace {

constexpr size_t kKeyCount = 12;

// The keys in the order the file is written, with the default for a value
// that is not an integer.
struct LayoutKey {
    const char* key;
    int defaultWidth;
};
constexpr std::array<LayoutKey, kKeyCount> kLayoutKeys{{
    {"[left_panel_width]", 100},
    {"[list_colwidths[0]]", 50},
    {"[list_colwidths[1]]", 50},
    {"[list_colwidths[2]]", 50},
    {"[list_colwidths[3]]", 50},
    {"[list_colwidths[4]]", 50},
    {"[list_colwidths[5]]", 50},
    {"[list_colwidths[6]]", 50},
    {"[list_colwidths[7]]", 50},
    {"[NOTESGRID[1]]", 100},
    {"[NOTESGRID[2]]", 50},
    {"[PageControl2]", 255},
}};

// The widths in the order of the keys.
std::array<int*, kKeyCount> widthsOf(Layout& l) {
    std::array<int*, kKeyCount> widths{&l.leftPanelWidth};
    for (size_t c = 0; c < l.ledgerColumnWidths.size(); ++c) {
        widths[1 + c] = &l.ledgerColumnWidths[c];
    }
    widths[9] = &l.bookGridWidths[0];
    widths[10] = &l.bookGridWidths[1];
    widths[11] = &l.sidePagesWidth;
    return widths;
}

}  // namespace

QString layoutFileName() {
    return QStringLiteral("config/display.dat");
}

void loadLayout(const Folders& folders, Layout& layout) {
    forEachBracketKey(folders.dataFile(layoutFileName()),
                      [&](const QString& key, const QString& value) {
                          const std::array<int*, kKeyCount> widths = widthsOf(layout);
                          for (size_t i = 0; i < kKeyCount; ++i) {
                              if (key == QLatin1String(kLayoutKeys[i].key)) {
                                  *widths[i] = bracketInt(value, kLayoutKeys[i].defaultWidth);
                              }
                          }
                      });
    layout.ledgerColumnWidths[Layout::kLineIndexColumn] = 0;
}

bool saveLayout(const Folders& folders, const Layout& layout, Prompter& prompter) {
    BracketWriter writer;
    writer.addLine(QStringLiteral("[Version]=1.00"));
    Layout values = layout;
    const std::array<int*, kKeyCount> widths = widthsOf(values);
    for (size_t i = 0; i < kKeyCount; ++i) {
        writer.add(QLatin1String(kLayoutKeys[i].key), QString::number(*widths[i]));
    }
    try {
        writer.save(folders.dataFile(layoutFileName()));
    } catch (const FileError& error) {
        prompter.showNotice(QStringLiteral("確認"), error.message());
        return false;
    }
    prompter.showNotice(QStringLiteral("確認"),
                        QStringLiteral("ディスプレイのレイアウトを保存しました。"));
    return true;
}

void keepSidePaneOpen(Layout& layout) {
    if (layout.leftPanelWidth < 1) {
        layout.leftPanelWidth = 1;
    }
}

}  // namespace tallyrix
