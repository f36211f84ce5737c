#include "entry/description_lists.h"

#include <QFile>
#include <algorithm>

#include "core/errors.h"
#include "core/line_store.h"
#include "core/prompter.h"
#include "core/text_checks.h"
#include "entry/beeper.h"
#include "yearfile/book.h"

namespace tallyrix {

QString descriptionListFile(ListPage page, int usageType, int titlePosition) {
    switch (page) {
        case ListPage::PettyCashBooks:
            return QStringLiteral("cldata/cash_note.dat");
        case ListPage::BankBooks:
            return QStringLiteral("cldata/bank_note.dat");
        case ListPage::AccountTitles:
            break;
    }
    const QString stem = usageType == kBusinessUsage ? QStringLiteral("cldata/tekiya")
                                                     : QStringLiteral("cldata/tekiyb");
    return stem + QString::number(titlePosition) + QStringLiteral(".dat");
}

DescriptionGrid::DescriptionGrid() {
    m_cells.resize(kDescriptionCells);
}

bool DescriptionGrid::isCell(int column, int row) {
    return column >= 1 && column <= kDescriptionColumns && row >= 0 && row < kDescriptionRows;
}

QString DescriptionGrid::cell(int column, int row) const {
    return isCell(column, row) ? m_cells[(column - 1) * kDescriptionRows + row] : QString();
}

void DescriptionGrid::setCell(int column, int row, const QString& text) {
    if (!isCell(column, row)) {
        throw ListIndexError();
    }
    m_cells[(column - 1) * kDescriptionRows + row] = text;
}

void DescriptionGrid::clear() {
    m_cells.fill(QString());
}

void DescriptionGrid::load(const QString& path) {
    clear();
    if (!QFile::exists(path)) {
        return;
    }
    LineStore lines;
    lines.loadFromFile(path);
    // The two trailing lines of a written list fall outside the grid.
    const int count = std::min(lines.count(), kDescriptionCells);
    for (int i = 0; i < count; ++i) {
        m_cells[i] = lines[i];
    }
}

void DescriptionGrid::save(const QString& path) const {
    LineStore lines;
    lines.assign(m_cells);
    lines.add(QString());
    lines.add(QString());
    lines.saveToFile(path);
}

DescriptionLists::DescriptionLists(Folders folders, int usageType, Prompter& prompter,
                                   Beeper& beeper)
    : m_folders(std::move(folders)),
      m_usageType(usageType),
      m_prompter(prompter),
      m_beeper(beeper) {}

void DescriptionLists::reset() {
    m_page = ListPage::AccountTitles;
    m_pickedTitle = m_pickedPettyCash = m_pickedBank = -1;
    m_grid.clear();
}

void DescriptionLists::changePage(ListPage page) {
    m_page = page;
    loadShownList();
}

void DescriptionLists::pick(ListPage page, int itemIndex) {
    const int index = std::max(itemIndex, -1);
    switch (page) {
        case ListPage::AccountTitles:
            m_pickedTitle = index;
            if (m_page == ListPage::AccountTitles) {
                loadShownList();
            }
            break;
        case ListPage::PettyCashBooks:
            m_pickedPettyCash = index;
            break;
        case ListPage::BankBooks:
            m_pickedBank = index;
            break;
    }
}

int DescriptionLists::pickedIndex(ListPage page) const {
    switch (page) {
        case ListPage::PettyCashBooks:
            return m_pickedPettyCash;
        case ListPage::BankBooks:
            return m_pickedBank;
        case ListPage::AccountTitles:
            break;
    }
    return m_pickedTitle;
}

QString DescriptionLists::currentFile() const {
    if (m_page == ListPage::AccountTitles && m_pickedTitle < 0) {
        return {};
    }
    // A title's list is named by its position, its list index + 1.
    return m_folders.dataFile(descriptionListFile(m_page, m_usageType, m_pickedTitle + 1));
}

void DescriptionLists::loadShownList() {
    m_grid.clear();
    const QString path = currentFile();
    if (!path.isEmpty()) {
        m_grid.load(path);
    }
}

QString DescriptionLists::inputCaption() const {
    return mainTitleFor(m_usageType) + (m_page == ListPage::AccountTitles
                                            ? QStringLiteral("6-Tallyrix Version6")
                                            : QStringLiteral("5-Tallyrix Version5"));
}

std::optional<QString> DescriptionLists::cellClick(int column, int row) {
    if (column == 0) {
        m_beeper.beep();
        return std::nullopt;
    }
    if (!DescriptionGrid::isCell(column, row)) {
        return std::nullopt;
    }
    return m_grid.cell(column, row);
}

void DescriptionLists::cellDoubleClick(int column, int row) {
    if (pickedIndex(m_page) < 0) {
        m_prompter.showNotice(checkHeading(), QStringLiteral("科目を選択してください"));
        return;
    }
    if (column == 0) {
        m_beeper.beep();
        return;
    }
    if (!DescriptionGrid::isCell(column, row)) {
        return;
    }
    const QString initial = m_grid.cell(column, row);
    const QString text =
        m_prompter.inputBox(inputCaption(), QStringLiteral("摘要登録"), initial).value_or(initial);
    // The list file is code page 932; such a character would come back as "?".
    if (const auto message = unsavableCharacterMessage(text)) {
        m_prompter.showNotice(checkHeading(), *message);
        return;
    }
    m_grid.setCell(column, row, text);
    try {
        m_grid.save(currentFile());
    } catch (const FileError& error) {
        // The file keeps its last good content; the grid keeps the typed text,
        // which the next registration saves with the rest.
        m_prompter.showNotice(QStringLiteral("確認"), error.message());
    }
}

}  // namespace tallyrix
