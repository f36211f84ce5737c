#include "app/dialog_host.h"

#include <QApplication>

#include "app/book_dialogs.h"
#include "app/entry_dialog.h"
#include "app/settings_dialog.h"
#include "app/title_master_dialog.h"

namespace tallyrix {
namespace {

template <class Dialog, class Model>
void showModal(Model& model, QWidget* parent) {
    Dialog dialog(model, parent);
    dialog.exec();
}

}  // namespace

QWidget* DialogHost::dialogParent() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : m_window;
}

void DialogHost::showEntryDialog(EntryDialogModel& model) {
    showModal<EntryDialog>(model, dialogParent());
}

void DialogHost::showBookChoice(BookChoiceModel& model) {
    showModal<BookChoiceDialog>(model, dialogParent());
}

void DialogHost::showBookData(BookDataModel& model) {
    showModal<BookDataDialog>(model, dialogParent());
}

void DialogHost::showTitleMaster(TitleMasterModel& model) {
    showModal<TitleMasterDialog>(model, dialogParent());
}

void DialogHost::showTitleEditor(TitleEditorModel& model) {
    showModal<TitleEditorDialog>(model, dialogParent());
}

void DialogHost::showSettingsDialog(SettingsDialogModel& model) {
    showModal<SettingsDialog>(model, dialogParent());
}

void DialogHost::beep() {
    QApplication::beep();
}

}  // namespace tallyrix
