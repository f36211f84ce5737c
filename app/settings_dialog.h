#pragma once

#include "app/model_dialog.h"

#include <QDialog>
#include <array>
#include <functional>

#include "settings/settings_dialog_model.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace tallyrix {

class NumericEdit;

// The environment settings dialog "環境設定": usage type, start-up option, company
// name, red negatives, the start month, year and balance, and the twelve periods
// with their closing days and locks. Every edit goes to the model at once; the
// dialog shows the model again after each and closes when the model has closed.
class SettingsDialog : public ModelDialog {
    Q_OBJECT

public:
    SettingsDialog(SettingsDialogModel& model, QWidget* parent = nullptr);

    void refresh() override;
    // "閉じる", Esc and the window frame.
    void reject() override;

private:
    // The controls of period n, named "p"n, "s"n, "e"n and "l"n.
    struct PeriodControls {
        QLabel* caption = nullptr;
        QDateEdit* start = nullptr;
        QLabel* to = nullptr;
        QDateEdit* end = nullptr;
        QCheckBox* lock = nullptr;
    };

    QWidget* createGeneralSettings();
    QWidget* createStartSettings();
    QWidget* createPeriods();
    void createButtons();
    void connectModel();
    bool modelClosed() const override { return m_model.closed(); }
    Prompter& prompter() const override { return m_model.prompter(); }
    void refreshGeneral();
    void refreshStart();
    void refreshPeriods();

    SettingsDialogModel& m_model;
    QButtonGroup* m_usageType = nullptr;
    QButtonGroup* m_startOption = nullptr;
    QLineEdit* m_startDataFile = nullptr;
    QPushButton* m_browse = nullptr;
    QLineEdit* m_companyName = nullptr;
    QCheckBox* m_negativeInRed = nullptr;
    QComboBox* m_fontType = nullptr;
    QComboBox* m_fontSize = nullptr;
    QButtonGroup* m_startMonth = nullptr;
    QSpinBox* m_startYear = nullptr;
    NumericEdit* m_openingBalance = nullptr;
    std::array<PeriodControls, 13> m_periods{};  // by period number 1..12
    QPushButton* m_monthEnd = nullptr;
    QPushButton* m_fromStartMonth = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_close = nullptr;
    bool m_refreshing = false;
};

}  // namespace tallyrix
