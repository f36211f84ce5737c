#pragma once

#include "entry/udatain.h"

namespace tallyrix {

class LedgerSearch;
class LedgerView;
class Prompter;

// Shows the entry dialog until it closes; the window forwards the user's actions
// to the dialog model meanwhile.
class DatainWindow {
public:
    virtual ~DatainWindow() = default;
    virtual void showModal(Tfdatain& dialog) = 0;
};

// The entry commands of the main window: new entry, edit entry and move down.
class EntryCommands {
public:
    EntryCommands(LedgerView& ledger, LedgerSearch& search, Prompter& prompter, Tfdatain& dialog,
                  DatainWindow& window)
        : m_ledger(ledger),
          m_search(search),
          m_prompter(prompter),
          m_dialog(dialog),
          m_window(window) {}

    // "出納帳データ入力".
    void datainput();
    // "修正" on the selected row (also a double-click on it).
    void dataedit();
    // "一行下へ移動する" on the selected row.
    void moveDown();

private:
    bool refuse(const QString& heading, const QString& text);

    LedgerView& m_ledger;
    LedgerSearch& m_search;
    Prompter& m_prompter;
    Tfdatain& m_dialog;
    DatainWindow& m_window;
};

}  // namespace tallyrix
