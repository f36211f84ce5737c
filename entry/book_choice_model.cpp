#include "entry/book_choice_model.h"

#include <algorithm>

#include "core/app_title.h"
#include "core/prompter.h"
#include "core/text_checks.h"
#include "entry/book_data_model.h"
#include "ledger/balances.h"

namespace tallyrix {
namespace {

QString titleOfKind(const QString& kind) {
    return kind == pettyCashKind() ? QStringLiteral("小口現金帳簿選択")
                                   : QStringLiteral("預金帳簿選択");
}

}  // namespace

BookChoiceModel::BookChoiceModel(LedgerModel& ledger, Prompter& prompter, BookChoiceView& view,
                                 const QString& kind, const QString& title)
    : m_ledger(ledger),
      m_prompter(prompter),
      m_view(view),
      m_kind(kind),
      m_title(title.isEmpty() ? titleOfKind(kind) : title) {
    fillGrid();
}

void BookChoiceModel::fillGrid() {
    const Workspace& ws = m_ledger.workspace();
    m_rows.clear();
    for (const QString& line : ws.bookLines(m_kind)) {
        const QString name = bookLineField(line, 3);
        // The balance the ledger starts the book with, so the grid never shows
        // a value the books do not use.
        m_rows.push_back({name, bookOpeningBalance(ws, {m_kind, name})});
    }
    const int count = static_cast<int>(m_rows.size());
    m_selection = count == 0 ? -1 : std::clamp(m_selection, 0, count - 1);
}

void BookChoiceModel::selectRow(int row) {
    if (row >= 0 && row < static_cast<int>(m_rows.size())) {
        m_selection = row;
    }
}

QString BookChoiceModel::nameAt(int index) const {
    return m_rows[static_cast<size_t>(index)].name;
}

bool BookChoiceModel::nameTaken(const QString& name, int except) const {
    for (int i = 0; i < static_cast<int>(m_rows.size()); ++i) {
        if (i != except && nameAt(i) == name) {
            return true;
        }
    }
    return false;
}

bool BookChoiceModel::editBookData(BookDataModel& data) {
    m_view.showBookData(data);
    // A window closed without a button counts as a cancel.
    return data.closed() && data.stored();
}

QString BookChoiceModel::bookLine(const BookDataModel& data) const {
    return QStringLiteral("z,") + m_kind + u',' + data.name() + u',' +
           data.balance().toPlainString() + u',';
}

void BookChoiceModel::changed() {
    m_ledger.workspace().modified = true;
    m_ledger.rebuildBookPanel();
}

void BookChoiceModel::addBook() {
    BookDataModel data(m_prompter);
    if (!editBookData(data)) {
        return;
    }
    if (data.name().isEmpty()) {
        m_prompter.showNotice(checkHeading(), QStringLiteral("帳簿名を入力してください。"));
        return;
    }
    // Only books of the same kind clash: a book is named by kind and name.
    if (nameTaken(data.name(), -1)) {
        m_prompter.showNotice(checkHeading(), QStringLiteral("同じ名前の帳簿が存在します。"));
        return;
    }
    books().add(bookLine(data));
    fillGrid();
    changed();
}

void BookChoiceModel::changeBook() {
    if (m_selection < 0) {
        return;
    }
    const int index = m_selection;
    const QString oldName = nameAt(index);
    BookDataModel data(m_prompter, oldName, m_rows[static_cast<size_t>(index)].opening);
    if (!editBookData(data)) {
        return;
    }
    const QString newName = data.name();
    if (newName.isEmpty()) {
        m_prompter.showNotice(checkHeading(), QStringLiteral("帳簿名を入力してください。"));
        return;
    }
    if (newName != oldName && nameTaken(newName, index)) {
        m_prompter.showNotice(checkHeading(), QStringLiteral("同じ名前の帳簿が存在します。"));
        return;
    }
    books().replace(index, bookLine(data));
    const BookRef oldBook{m_kind, oldName};
    const BookRef newBook{m_kind, newName};
    if (newName != oldName) {
        renameEntries(oldName, newName);
    }
    fillGrid();
    m_ledger.workspace().modified = true;
    followRename(oldBook, newBook);
}

void BookChoiceModel::renameEntries(const QString& oldName, const QString& newName) {
    EntryList& entries = m_ledger.workspace().entries;
    const int id = entries.bookId({m_kind, oldName});
    if (id < 0) {
        return;
    }
    for (int i = 0; i < entries.count(); ++i) {
        const bool own = entries.at(i).ownBook() == id;
        const bool counter = entries.at(i).counterBook() == id;
        // The kind stays: only the name moves.
        if (own) {
            entries.setField(i, NameField, newName);
        }
        if (counter) {
            entries.setField(i, CounterNameField, newName);
        }
    }
}

void BookChoiceModel::followRename(const BookRef& oldBook, const BookRef& newBook) {
    // A main window left on the old name would show a book that no longer
    // exists, and new entries there would belong to no listed book.
    ViewState& state = m_ledger.state();
    if (state.savedBook == oldBook) {
        state.savedBook = newBook;
    }
    // The refresh also rebuilds the book panel and the transfer marks.
    if (m_ledger.workspace().currentBook == oldBook) {
        m_ledger.showBook(newBook);
    } else {
        m_ledger.refresh();
    }
}

void BookChoiceModel::deleteBook() {
    if (m_selection < 0) {
        return;
    }
    const int index = m_selection;
    const QString name = nameAt(index);
    if (m_prompter.taskMessage(
            applicationTitle(), QString(), TaskButtons::YesNo, TaskIcon::Question,
            name + QStringLiteral("を削除していいですか？")) != DialogResult::Yes) {
        return;
    }
    deleteBookEntries(m_kind, name);
    Workspace& ws = m_ledger.workspace();
    const BookRef book{m_kind, name};
    if (ws.currentBook == book) {
        m_ledger.switchBook(LedgerModel::MainBookTarget);
    }
    // Clearing a search must not lead back to the deleted book either.
    if (m_ledger.state().savedBook == book) {
        m_ledger.state().savedBook = ws.mainBook();
    }
    books().remove(index);
    fillGrid();
    changed();
}

void BookChoiceModel::deleteBookEntries(const QString& kind, const QString& name) {
    EntryList& entries = m_ledger.workspace().entries;
    const int id = entries.bookId({kind, name});
    if (id >= 0) {
        entries.removeIf([id](const Entry& entry) {
            return entry.ownBook() == id || entry.counterBook() == id;
        });
    }
    m_ledger.refresh();
}

void BookChoiceModel::chooseSelected() {
    m_result = m_selection >= 0 ? std::optional<int>(m_selection) : std::nullopt;
    m_closed = true;
}

void BookChoiceModel::rowDoubleClick(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) {
        return;
    }
    m_selection = row;
    chooseSelected();
}

void BookChoiceModel::cancel() {
    m_result.reset();
    m_closed = true;
}

std::optional<int> DialogBookChooser::chooseBook(const QString& kind, const QString& title) {
    BookChoiceModel dialog(m_ledger, m_prompter, m_view, kind, title);
    m_view.showBookChoice(dialog);
    return dialog.closed() ? dialog.result() : std::nullopt;
}

}  // namespace tallyrix
