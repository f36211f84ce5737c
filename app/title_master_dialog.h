#pragma once

#include "app/model_dialog.h"

#include <QDialog>
#include <functional>

#include "entry/title_editor_model.h"
#include "entry/title_master_model.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTableWidget;

namespace tallyrix {

class GradientPanel;
class PreeditGuard;

// The account-title dialog, "科目設定" or "科目検索": the 60 titles of the master
// in 4 columns of 15 under a header row and column. It shows the model and
// forwards clicks; it closes when the model has closed.
class TitleMasterDialog : public ModelDialog {
    Q_OBJECT

public:
    TitleMasterDialog(TitleMasterModel& model, QWidget* parent = nullptr);

    void refresh() override;

    // "キャンセル", Esc and the window frame.
    void reject() override;

private:
    bool modelClosed() const override { return m_model.closed(); }
    Prompter& prompter() const override { return m_model.prompter(); }
    void refreshGrid();
    void refreshSelection();

    TitleMasterModel& m_model;
    GradientPanel* m_heading;
    QTableWidget* m_grid;
    QStatusBar* m_status;
    QList<QLabel*> m_panels;
    QPushButton* m_update;
    QPushButton* m_cancel;
    bool m_refreshing = false;
};

// The title editor: one line for the title, "実　行" and "キャンセル".
class TitleEditorDialog : public ModelDialog {
    Q_OBJECT

public:
    TitleEditorDialog(TitleEditorModel& model, QWidget* parent = nullptr);

    void refresh() override;
    void reject() override;

private:
    bool modelClosed() const override { return m_model.closed(); }
    Prompter& prompter() const override { return m_model.prompter(); }

    TitleEditorModel& m_model;
    PreeditGuard* m_guard;
    QLineEdit* m_edit;
    QPushButton* m_execute;
    QPushButton* m_cancel;
};

}  // namespace tallyrix
