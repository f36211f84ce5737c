#include "app/print_settings_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "print/print_page_model.h"
#include "print/printer_service.h"

namespace tallyrix {
namespace {

// An offset box: whole millimetres by its arrows, any typed value with up to
// four decimal places, shown without trailing zeros ("1.5", "-2").
class OffsetBox : public QDoubleSpinBox {
public:
    explicit OffsetBox(QWidget* parent = nullptr) : QDoubleSpinBox(parent) {
        setRange(-100, 100);
        setDecimals(4);
        setSingleStep(1);
        setKeyboardTracking(false);
    }
    QString textFromValue(double value) const override {
        return Decimal4::fromDouble(value).toString();
    }
};

Decimal4 decimalOf(const QDoubleSpinBox* box) {
    return Decimal4::fromDouble(box->value());
}

// Hands Enter in a box to a command and keeps the key from the dialog.
class EnterFilter : public QObject {
public:
    EnterFilter(QObject* parent, std::function<void()> onEnter)
        : QObject(parent), m_onEnter(std::move(onEnter)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_onEnter();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onEnter;
};

}  // namespace

PrintSettingsPage::PrintSettingsPage(PrintPageModel& model,
                                     std::function<void(std::function<void()>)> run,
                                     QWidget* parent)
    : QWidget(parent), m_model(model), m_run(std::move(run)) {
    setObjectName(QStringLiteral("印刷"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll);
    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);
    scroll->setWidget(body);

    m_paperBox = radioGroup(QStringLiteral("用　紙"), {"", "", ""}, m_paper);
    m_paperBox->setObjectName(QStringLiteral("paperGroup"));
    for (int i = 0; i < 3; ++i) {
        m_paperButtons[static_cast<size_t>(i)] = qobject_cast<QRadioButton*>(m_paper->button(i));
    }
    column->addWidget(m_paperBox);

    auto* row = new QHBoxLayout;
    m_fontBox = radioGroup(QStringLiteral("フォント"), {"ゴシック", "明　朝"}, m_font);
    m_fontBox->setObjectName(QStringLiteral("fontGroup"));
    m_columnBox = radioGroup(QStringLiteral("科目欄"), {"あり", "なし"}, m_column);
    m_columnBox->setObjectName(QStringLiteral("columnGroup"));
    row->addWidget(m_fontBox);
    row->addWidget(m_columnBox);
    column->addLayout(row);

    m_colourBox = new QGroupBox(QStringLiteral("見出し色"));
    m_colourBox->setObjectName(QStringLiteral("colourGroup"));
    auto* colourLayout = new QVBoxLayout(m_colourBox);
    m_colour = new QComboBox;
    m_colour->setObjectName(QStringLiteral("colourChoice"));
    m_colour->addItems({"GRAY", "BLUE", "PINK", "WHITE"});
    colourLayout->addWidget(m_colour);
    column->addWidget(m_colourBox);

    m_minusBox = radioGroup(QStringLiteral("コクヨ用紙の残高"),
                            {"整数での表示", "マイナスでの表示"}, m_minus);
    m_minusBox->setObjectName(QStringLiteral("minusGroup"));
    column->addWidget(m_minusBox);

    m_filterBox = radioGroup(QStringLiteral("印　刷"),
                             {"全てのページ", "奇数ページのみ", "偶数ページのみ"}, m_filter);
    m_filterBox->setObjectName(QStringLiteral("filterGroup"));
    column->addWidget(m_filterBox);

    m_monthBox = new QGroupBox(QStringLiteral("印刷する月"));
    m_monthBox->setObjectName(QStringLiteral("monthGroup"));
    auto* months = new QGridLayout(m_monthBox);
    months->setSpacing(2);
    for (int k = 0; k < 12; ++k) {
        auto* box = new QCheckBox;
        box->setObjectName(QStringLiteral("month%1").arg(k + 1));
        m_months[static_cast<size_t>(k)] = box;
        months->addWidget(box, k / 3, k % 3);
        connect(box, &QCheckBox::toggled, this, [this, k](bool on) {
            if (!m_refreshing) {
                m_run([this, k, on] { m_model.setMonthTicked(k, on); });
            }
        });
    }
    column->addWidget(m_monthBox);

    column->addWidget(createOffsets());
    column->addWidget(createPrinterSettings());

    auto* buttons = new QVBoxLayout;
    m_confirm = new QPushButton(QStringLiteral("確　定"));
    m_confirm->setObjectName(QStringLiteral("confirm"));
    m_printerButton = new QPushButton(QStringLiteral("プリンター設定"));
    m_printerButton->setObjectName(QStringLiteral("printerSettings"));
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_printerButton);
    column->addLayout(buttons);
    column->addStretch(1);

    auto onChoice = [this](QButtonGroup* group, void (PrintPageModel::*choose)(int)) {
        connect(group, &QButtonGroup::idClicked, this,
                [this, choose](int id) { m_run([this, choose, id] { (m_model.*choose)(id); }); });
    };
    onChoice(m_paper, &PrintPageModel::choosePaper);
    onChoice(m_font, &PrintPageModel::chooseFont);
    onChoice(m_column, &PrintPageModel::chooseColumn);
    onChoice(m_minus, &PrintPageModel::chooseMinusOption);
    onChoice(m_filter, &PrintPageModel::choosePageFilter);
    connect(m_colour, &QComboBox::activated, this,
            [this](int index) { m_run([this, index] { m_model.chooseColour(index); }); });
    connect(m_confirm, &QPushButton::clicked, this, [this] {
        offsetsEdited();
        m_run([this] { m_model.confirm(); });
    });
    connect(m_printerButton, &QPushButton::clicked, this,
            [this] { m_run([this] { m_model.printerDialog(); }); });
    refresh();
}

QGroupBox* PrintSettingsPage::radioGroup(const QString& title, const QStringList& items,
                                         QButtonGroup*& group) {
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(2);
    group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i]);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return box;
}

QWidget* PrintSettingsPage::createOffsets() {
    auto* box = new QGroupBox(QStringLiteral("印刷位置設定(mm単位)"));
    box->setObjectName(QStringLiteral("offsetGroup"));
    auto* grid = new QGridLayout(box);
    grid->setSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("横")), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("縦")), 0, 2, Qt::AlignCenter);
    m_oddCaption = new QLabel;
    m_oddCaption->setObjectName(QStringLiteral("oddCaption"));
    m_evenCaption = new QLabel(QStringLiteral("偶数ペ－ジ"));
    m_evenCaption->setObjectName(QStringLiteral("evenCaption"));
    m_oddCaption->setWordWrap(true);
    m_evenCaption->setWordWrap(true);
    m_oddX = new OffsetBox;
    m_oddX->setObjectName(QStringLiteral("oddX"));
    m_oddY = new OffsetBox;
    m_oddY->setObjectName(QStringLiteral("oddY"));
    m_evenX = new OffsetBox;
    m_evenX->setObjectName(QStringLiteral("evenX"));
    m_evenY = new OffsetBox;
    m_evenY->setObjectName(QStringLiteral("evenY"));
    grid->addWidget(m_oddCaption, 1, 0);
    grid->addWidget(m_oddX, 1, 1);
    grid->addWidget(m_oddY, 1, 2);
    grid->addWidget(m_evenCaption, 2, 0);
    grid->addWidget(m_evenX, 2, 1);
    grid->addWidget(m_evenY, 2, 2);
    m_startEven = new QCheckBox(QStringLiteral("偶数から開始"));
    m_startEven->setObjectName(QStringLiteral("startEven"));
    grid->addWidget(m_startEven, 3, 0, 1, 3);
    for (QDoubleSpinBox* spin : {m_oddX, m_oddY, m_evenX, m_evenY}) {
        spin->setFixedWidth(64);
        connect(spin, &QDoubleSpinBox::valueChanged, this, [this] {
            if (!m_refreshing) {
                offsetsEdited();
            }
        });
    }
    m_oddX->installEventFilter(new EnterFilter(m_oddX, [this] {
        m_oddX->interpretText();
        offsetsEdited();
        m_run([this] { m_model.oddOffsetEntered(); });
    }));
    connect(m_startEven, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_refreshing) {
            m_run([this, on] { m_model.setStartEven(on); });
        }
    });
    return box;
}

QWidget* PrintSettingsPage::createPrinterSettings() {
    auto* box = new QGroupBox(QStringLiteral("用紙の設定"));
    box->setObjectName(QStringLiteral("paperSettings"));
    auto* grid = new QGridLayout(box);
    grid->setSpacing(2);
    m_paperSize = new QComboBox;
    m_paperSize->setObjectName(QStringLiteral("paperSize"));
    m_paperSize->addItems(paperSizeList());
    m_paperSize->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_paperSize->setMinimumContentsLength(12);
    m_orientation = new QComboBox;
    m_orientation->setObjectName(QStringLiteral("orientation"));
    m_orientation->addItems({"縦", "横"});
    m_paperSource = new QComboBox;
    m_paperSource->setObjectName(QStringLiteral("paperSource"));
    for (int code = 0; code <= 15; ++code) {
        m_paperSource->addItem(QString::number(code));
    }
    grid->addWidget(new QLabel(QStringLiteral("サイズ")), 0, 0);
    grid->addWidget(m_paperSize, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("方向")), 1, 0);
    grid->addWidget(m_orientation, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("給紙")), 2, 0);
    grid->addWidget(m_paperSource, 2, 1);
    connect(m_paperSize, &QComboBox::activated, this,
            [this](int index) { m_run([this, index] { m_model.setPaperSize(index); }); });
    connect(m_orientation, &QComboBox::activated, this,
            [this](int index) { m_run([this, index] { m_model.setOrientation(index); }); });
    connect(m_paperSource, &QComboBox::activated, this,
            [this](int index) { m_run([this, index] { m_model.setPaperSource(index); }); });
    return box;
}

void PrintSettingsPage::offsetsEdited() {
    m_model.setOffsets(decimalOf(m_oddX), decimalOf(m_oddY), decimalOf(m_evenX),
                       decimalOf(m_evenY));
}

void PrintSettingsPage::setChecked(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
    }
}

void PrintSettingsPage::refresh() {
    m_refreshing = true;
    const PrintPageState& s = m_model.state();
    for (int i = 0; i < 3; ++i) {
        QRadioButton* button = m_paperButtons[static_cast<size_t>(i)];
        button->setVisible(i < s.paperChoices.size());
        button->setText(s.paperChoices.value(i));
    }
    setChecked(m_paper, s.paper);
    setChecked(m_font, s.font);
    setChecked(m_column, s.column);
    m_colour->setCurrentIndex(s.colour);
    setChecked(m_minus, s.minusOption);
    setChecked(m_filter, s.pageFilter);
    m_fontBox->setEnabled(s.fontEnabled);
    m_columnBox->setEnabled(s.columnEnabled);
    m_colourBox->setEnabled(s.colourEnabled);
    m_minusBox->setEnabled(s.minusOptionEnabled);
    m_filterBox->setEnabled(s.pageFilterEnabled);
    m_monthBox->setEnabled(s.monthListEnabled);
    for (int k = 0; k < 12; ++k) {
        QCheckBox* box = m_months[static_cast<size_t>(k)];
        box->setText(s.monthCaptions.value(k) + u'月');
        box->setChecked(s.monthTicked[static_cast<size_t>(k)]);
    }
    m_oddCaption->setText(s.oddRowCaption);
    m_evenCaption->setVisible(s.evenRowVisible);
    m_evenX->setVisible(s.evenRowVisible);
    m_evenY->setVisible(s.evenRowVisible);
    m_startEven->setVisible(s.evenRowVisible);
    m_startEven->setChecked(s.startEven);
    m_oddX->setValue(s.oddX.toDouble());
    m_oddY->setValue(s.oddY.toDouble());
    m_evenX->setValue(s.evenX.toDouble());
    m_evenY->setValue(s.evenY.toDouble());
    m_paperSize->setCurrentIndex(s.paperSize);
    m_orientation->setCurrentIndex(s.orientation);
    m_paperSource->setCurrentIndex(std::clamp(s.paperSource, 0, m_paperSource->count() - 1));
    m_refreshing = false;
}

}  // namespace tallyrix
