#pragma once

#include <QWidget>
#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tallyrix {

class PrintPageModel;

// The side page "印刷": the choices of the report being printed. It shows the
// print page model and hands every change to it.
class PrintSettingsPage : public QWidget {
    Q_OBJECT
public:
    // `run` carries out a command of the model and shows what it changed.
    PrintSettingsPage(PrintPageModel& model, std::function<void(std::function<void()>)> run,
                      QWidget* parent = nullptr);

    // Re-reads the model.
    void refresh();

private:
    QGroupBox* radioGroup(const QString& title, const QStringList& items, QButtonGroup*& group);
    QWidget* createOffsets();
    QWidget* createPrinterSettings();
    void offsetsEdited();
    static void setChecked(QButtonGroup* group, int id);

    PrintPageModel& m_model;
    std::function<void(std::function<void()>)> m_run;
    bool m_refreshing = false;

    QGroupBox* m_paperBox = nullptr;
    QButtonGroup* m_paper = nullptr;
    std::array<QRadioButton*, 3> m_paperButtons{};
    QGroupBox* m_fontBox = nullptr;
    QButtonGroup* m_font = nullptr;
    QGroupBox* m_columnBox = nullptr;
    QButtonGroup* m_column = nullptr;
    QGroupBox* m_colourBox = nullptr;
    QComboBox* m_colour = nullptr;
    QGroupBox* m_minusBox = nullptr;
    QButtonGroup* m_minus = nullptr;
    QGroupBox* m_filterBox = nullptr;
    QButtonGroup* m_filter = nullptr;
    QCheckBox* m_startEven = nullptr;
    QGroupBox* m_monthBox = nullptr;
    std::array<QCheckBox*, 12> m_months{};
    QLabel* m_oddCaption = nullptr;
    QLabel* m_evenCaption = nullptr;
    QDoubleSpinBox* m_oddX = nullptr;
    QDoubleSpinBox* m_oddY = nullptr;
    QDoubleSpinBox* m_evenX = nullptr;
    QDoubleSpinBox* m_evenY = nullptr;
    QComboBox* m_paperSize = nullptr;
    QComboBox* m_orientation = nullptr;
    QComboBox* m_paperSource = nullptr;
    QPushButton* m_confirm = nullptr;
    QPushButton* m_printerButton = nullptr;
};

}  // namespace tallyrix
