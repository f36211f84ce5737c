#include "entry/title_master_model.h"

#include <QFile>
#include <algorithm>

#include "core/app_title.h"
#include "core/errors.h"
#include "core/line_store.h"
#include "core/prompter.h"
#include "entry/title_editor_model.h"
#include "yearfile/book.h"

namespace tallyrix {

QString accountTitleFile(int usageType) {
    return usageType == kBusinessUsage ? QStringLiteral("cldata/kamoku1.dat")
                                       : QStringLiteral("cldata/kamoku2.dat");
}

AccountTitleGrid::AccountTitleGrid() {
    m_cells.resize(kTitleCells);
}

bool AccountTitleGrid::isCell(int column, int row) {
    return column >= 1 && column <= kTitleColumns && row >= 1 && row <= kTitleRows;
}

QString AccountTitleGrid::cell(int column, int row) const {
    return isCell(column, row) ? m_cells[position(column, row) - 1] : QString();
}

void AccountTitleGrid::setCell(int column, int row, const QString& text) {
    if (!isCell(column, row)) {
        throw ListIndexError();
    }
    m_cells[position(column, row) - 1] = text;
}

void AccountTitleGrid::load(const QString& path) {
    QStringList cells(kTitleCells);
    if (QFile::exists(path)) {
        LineStore lines;
        lines.loadFromFile(path);
        const int count = std::min(lines.count(), kTitleCells);
        for (int i = 0; i < count; ++i) {
            cells[i] = lines[i];
        }
    }
    m_cells = std::move(cells);
}

void AccountTitleGrid::save(const QString& path) const {
    LineStore lines;
    lines.assign(m_cells);
    lines.saveToFile(path);
}

QStringList loadAccountTitles(const Folders& folders, int usageType) {
    const QString path = folders.dataFile(accountTitleFile(usageType));
    if (!QFile::exists(path)) {
        return {};
    }
    LineStore lines;
    lines.loadFromFile(path);
    return lines.toStringList();
}

TitleMasterModel::TitleMasterModel(TitleMasterMode mode, int usageType, Folders folders,
                                   Prompter& prompter, TitleMasterView& view)
    : m_mode(mode),
      m_usageType(usageType),
      m_folders(std::move(folders)),
      m_prompter(prompter),
      m_view(view) {
    m_grid.load(masterFile());
}

QString TitleMasterModel::heading() const {
    return m_mode == TitleMasterMode::Setup ? QStringLiteral("科目設定")
                                            : QStringLiteral("科目検索");
}

QStringList TitleMasterModel::statusPanels() const {
    if (m_mode != TitleMasterMode::Setup) {
        return {};
    }
    return {QStringLiteral("登録"), mainTitleFor(m_usageType), masterFile()};
}

QString TitleMasterModel::masterFile() const {
    return m_folders.dataFile(accountTitleFile(m_usageType));
}

void TitleMasterModel::selectCell(GridCell cell) {
    if (AccountTitleGrid::isCell(cell.column, cell.row)) {
        m_selection = cell;
    }
}

void TitleMasterModel::cellDoubleClick(GridCell cell) {
    if (m_closed) {
        return;
    }
    // The headers hold no titles: the selection goes to the first title of
    // that column or row instead (the corner to the very first cell).
    if (cell.row == 0) {
        m_view.beep();
        m_selection = GridCell{std::max(cell.column, 1), 1};
        return;
    }
    if (cell.column == 0) {
        m_view.beep();
        m_selection = GridCell{1, cell.row};
        return;
    }
    if (!AccountTitleGrid::isCell(cell.column, cell.row)) {
        return;
    }
    m_selection = cell;
    if (m_mode == TitleMasterMode::Search) {
        m_accountFilter = m_grid.cell(cell.column, cell.row);
        m_closed = true;
        return;
    }
    editTitle(cell);
}

void TitleMasterModel::editTitle(GridCell cell) {
    TitleEditorModel editor(m_prompter, m_grid.cell(cell.column, cell.row));
    m_view.showTitleEditor(editor);
    if (editor.stored()) {
        m_grid.setCell(cell.column, cell.row, editor.text());
    }
}

void TitleMasterModel::update() {
    if (m_closed || !updateButtonVisible()) {
        return;
    }
    try {
        m_grid.save(masterFile());
    } catch (const FileError& error) {
        // The master on disk is as it was; the edits stay for another try.
        m_prompter.showNotice(QStringLiteral("確認"), error.message());
        return;
    }
    m_written = true;
    m_prompter.taskMessage(applicationTitle(), QString(), TaskButtons::Ok, TaskIcon::Information,
                           heading() + QStringLiteral("を更新しました。"));
    m_closed = true;
}

void TitleMasterModel::cancel() {
    if (m_closed) {
        return;
    }
    if (m_mode == TitleMasterMode::Search) {
        m_dayModeOff = true;
    }
    m_closed = true;
}

}  // namespace tallyrix
