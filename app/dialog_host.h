#pragma once

#include "entry/book_choice_model.h"
#include "entry/entry_commands.h"
#include "entry/title_master_model.h"
#include "settings/settings_dialog_model.h"

class QWidget;

namespace tallyrix {

// Shows the program's dialogs modally until they close, each over the dialog
// that is open (the book data over the book choice, the title editor over the
// title master), else over the main window. The main window shows every dialog
// through it, and so do the tests.
class DialogHost : public EntryDialogView,
                   public BookChoiceView,
                   public TitleMasterView,
                   public SettingsDialogView {
public:
    explicit DialogHost(QWidget* window = nullptr) : m_window(window) {}

    // The open dialog, else the window.
    QWidget* dialogParent() const;

    void showEntryDialog(EntryDialogModel& model) override;
    void showBookChoice(BookChoiceModel& model) override;
    void showBookData(BookDataModel& model) override;
    void showTitleMaster(TitleMasterModel& model);
    void showTitleEditor(TitleEditorModel& model) override;
    void showSettingsDialog(SettingsDialogModel& model) override;
    void beep() override;

private:
    QWidget* m_window;
};

}  // namespace tallyrix
