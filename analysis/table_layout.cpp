#include "analysis/table_layout.h"

#include "core/bracket_keys.h"
#include "core/errors.h"

namespace tallyrix {
namespace {

QString columnKey(int column) {
    return QStringLiteral("[list_colwidths[%1]]").arg(column);
}

}  // namespace

QString tableLayoutFileName() {
    return QStringLiteral("ini/display2.dat");
}

void loadTableColumnWidths(const Folders& folders, TableColumnWidths& widths) {
    forEachBracketKey(folders.dataFile(tableLayoutFileName()),
                      [&widths](const QString& key, const QString& value) {
                          for (int c = 0; c < TableColumnWidths::kColumns; ++c) {
                              if (key == columnKey(c)) {
                                  widths.widths[static_cast<size_t>(c)] =
                                      bracketInt(value, TableColumnWidths::kUnreadableWidth);
                              }
                          }
                      });
}

void saveTableColumnWidths(const Folders& folders, const TableColumnWidths& widths) {
    BracketWriter writer;
    writer.addLine(QStringLiteral("[Version]=1.00"));
    for (int c = 0; c < TableColumnWidths::kColumns; ++c) {
        writer.add(columnKey(c), QString::number(widths.widths[static_cast<size_t>(c)]));
    }
    writer.add(columnKey(TableColumnWidths::kColumns),
               QString::number(TableColumnWidths::kDefaultWidth));
    try {
        writer.save(folders.dataFile(tableLayoutFileName()));
    } catch (const FileError&) {
        // Nothing is lost: the next run starts from the old widths or the defaults.
    }
}

}  // namespace tallyrix
