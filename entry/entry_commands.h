#pragma once

#include "entry/entry_dialog_model.h"

namespace tallyrix {

class LedgerSearch;
class LedgerModel;
class Prompter;

// Shows the entry dialog until it closes; the window forwards the user's actions
// to the dialog model meanwhile.
class EntryDialogView {
public:
    virtual ~EntryDialogView() = default;
    virtual void showEntryDialog(EntryDialogModel& dialog) = 0;
};

// The entry commands of the main window: new entry, edit entry and move down.
class EntryCommands {
public:
    EntryCommands(LedgerModel& ledger, LedgerSearch& search, Prompter& prompter,
                  EntryDialogModel& dialog, EntryDialogView& window)
        : m_ledger(ledger),
          m_search(search),
          m_prompter(prompter),
          m_dialog(dialog),
          m_window(window) {}

    // "出納帳データ入力".
    void newEntry();
    // "修正" on the selected row (also a double-click on it).
    void editEntry();
    // "一行下へ移動する" on the selected row.
    void moveEntryDown();

private:
    bool refuse(const QString& heading, const QString& text);

    LedgerModel& m_ledger;
    LedgerSearch& m_search;
    Prompter& m_prompter;
    EntryDialogModel& m_dialog;
    EntryDialogView& m_window;
};

}  // namespace tallyrix
