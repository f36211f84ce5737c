#include "app/settings_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "widgets/numeric_edit.h"

namespace tallyrix {
namespace {

constexpr int kRowHeight = 24;
constexpr int kCaptionWidth = 52;
constexpr int kLockWidth = 64;

QGroupBox* group(const QString& title, const QString& name, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

// A choice of the model as radio buttons "<name>_1", "<name>_2", ... with ids 1, 2, ...
QButtonGroup* choices(const QStringList& texts, const QString& name, QGroupBox* box,
                      QBoxLayout* layout) {
    auto* buttons = new QButtonGroup(box);
    for (int i = 0; i < texts.size(); ++i) {
        auto* radio = new QRadioButton(texts[i], box);
        radio->setObjectName(name + u'_' + QString::number(i + 1));
        buttons->addButton(radio, i + 1);
        layout->addWidget(radio);
    }
    return buttons;
}

QDateEdit* dateEdit(const QString& name, QWidget* parent) {
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    edit->setCalendarPopup(true);
    return edit;
}

void setDate(QDateEdit* edit, const QDate& date) {
    if (edit->date() != date) {
        edit->setDate(date);
    }
}

}  // namespace

SettingsDialog::SettingsDialog(SettingsDialogModel& model, QWidget* parent)
    : ModelDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("settingsDialog"));
    setWindowTitle(m_model.windowTitle());

    auto* left = new QVBoxLayout;
    left->addWidget(createGeneralSettings());
    left->addWidget(createStartSettings());
    left->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(createPeriods());
    createButtons();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_apply);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connectModel();
    refresh();
}

QWidget* SettingsDialog::createGeneralSettings() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    QGroupBox* usage = group(QStringLiteral("使用タイプ"), QStringLiteral("usageType"), panel);
    auto* usageLayout = new QHBoxLayout(usage);
    m_usageType = choices(SettingsDialogModel::usageTypeChoices(), QStringLiteral("usageType"),
                          usage, usageLayout);
    usageLayout->addStretch();
    layout->addWidget(usage);

    QGroupBox* start =
        group(QStringLiteral("起動時オプション"), QStringLiteral("startOption"), panel);
    auto* startLayout = new QVBoxLayout(start);
    m_startOption = choices(SettingsDialogModel::startOptionChoices(),
                            QStringLiteral("startOption"), start, startLayout);
    layout->addWidget(start);

    QGroupBox* file =
        group(QStringLiteral("起動時に読み込むデ－タ"), QStringLiteral("wdirGroup"), panel);
    m_startDataFile = new QLineEdit(file);
    m_startDataFile->setObjectName(QStringLiteral("startDataFile"));
    m_browse = dialogButton(QStringLiteral("指　定"), QStringLiteral("chooseStartDataFileButton"),
                            file, 0);
    auto* fileLayout = new QHBoxLayout(file);
    fileLayout->addWidget(m_startDataFile, 1);
    fileLayout->addWidget(m_browse);
    layout->addWidget(file);

    QGroupBox* company = group(QStringLiteral("会社名"), QStringLiteral("companyGroup"), panel);
    m_companyName = new QLineEdit(company);
    m_companyName->setObjectName(QStringLiteral("companyName"));
    // Company names are typed in Japanese.
    m_companyName->setAttribute(Qt::WA_InputMethodEnabled);
    auto* companyLayout = new QHBoxLayout(company);
    companyLayout->addWidget(m_companyName);
    layout->addWidget(company);

    QGroupBox* balance = group(QStringLiteral("残高表示"), QStringLiteral("balanceGroup"), panel);
    m_negativeInRed = new QCheckBox(QStringLiteral("残高の－を赤で表示する"), balance);
    m_negativeInRed->setObjectName(QStringLiteral("negativeInRed"));
    auto* balanceLayout = new QHBoxLayout(balance);
    balanceLayout->addWidget(m_negativeInRed);
    layout->addWidget(balance);

    // Kept only so that the file's values are written back; never shown.
    m_fontType = new QComboBox(panel);
    m_fontType->setObjectName(QStringLiteral("fontType"));
    m_fontType->addItems(SettingsDialogModel::fontTypeChoices());
    m_fontType->hide();
    m_fontSize = new QComboBox(panel);
    m_fontSize->setObjectName(QStringLiteral("fontSize"));
    m_fontSize->addItems(SettingsDialogModel::fontSizeChoices());
    m_fontSize->hide();
    return panel;
}

QWidget* SettingsDialog::createStartSettings() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    QGroupBox* months = group(QStringLiteral("開始月"), QStringLiteral("startMonthGroup"), panel);
    auto* monthLayout = new QGridLayout(months);
    m_startMonth = new QButtonGroup(months);
    for (int month = 1; month <= 12; ++month) {
        auto* radio = new QRadioButton(QString::number(month) + QStringLiteral("月"), months);
        radio->setObjectName(QStringLiteral("startMonth%1").arg(month));
        m_startMonth->addButton(radio, month);
        monthLayout->addWidget(radio, (month - 1) / 6, (month - 1) % 6);
    }
    layout->addWidget(months);

    QGroupBox* year = group(QStringLiteral("開始年"), QStringLiteral("startYearGroup"), panel);
    m_startYear = new QSpinBox(year);
    m_startYear->setObjectName(QStringLiteral("startYear"));
    m_startYear->setAccessibleName(QStringLiteral("開始月年度"));
    m_startYear->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_startYear->setRange(1, SettingsDialogModel::kMaxYearDigitsValue);
    m_startYear->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* yearLayout = new QHBoxLayout(year);
    yearLayout->addWidget(m_startYear);

    QGroupBox* balance = group(QStringLiteral("開始月残高"), QStringLiteral("openingGroup"), panel);
    m_openingBalance = new NumericEdit(balance);
    m_openingBalance->setObjectName(QStringLiteral("openingBalance"));
    m_openingBalance->setAccessibleName(QStringLiteral("開始月残高"));
    m_openingBalance->setMaxDigits(9);
    auto* balanceLayout = new QHBoxLayout(balance);
    balanceLayout->addWidget(m_openingBalance);

    auto* row = new QHBoxLayout;
    row->addWidget(year, 2);
    row->addWidget(balance, 3);
    layout->addLayout(row);
    return panel;
}

QWidget* SettingsDialog::createPeriods() {
    QGroupBox* box =
        group(QStringLiteral("締日とデータのロック設定"), QStringLiteral("periodGroup"), this);
    // The rows stand at fixed distances and change places when the start month
    // changes, so they are placed by hand rather than by a layout.
    auto* rows = new QWidget(box);
    rows->setObjectName(QStringLiteral("periodRows"));
    int dateWidth = 0;
    for (int n = 1; n <= 12; ++n) {
        PeriodControls& c = m_periods[static_cast<size_t>(n)];
        c.caption = new QLabel(rows);
        c.caption->setObjectName(QStringLiteral("periodCaption%1").arg(n));
        c.caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        c.start = dateEdit(QStringLiteral("periodStart%1").arg(n), rows);
        c.to = new QLabel(QStringLiteral("～"), rows);
        c.to->setAlignment(Qt::AlignCenter);
        c.end = dateEdit(QStringLiteral("periodEnd%1").arg(n), rows);
        c.lock = new QCheckBox(QStringLiteral("Lock"), rows);
        c.lock->setObjectName(QStringLiteral("periodLock%1").arg(n));
        dateWidth = std::max(dateWidth, c.start->sizeHint().width() + 8);
    }
    const int toWidth = fontMetrics().horizontalAdvance(QStringLiteral("～")) + 8;
    const int startX = kCaptionWidth + 8;
    const int toX = startX + dateWidth;
    const int endX = toX + toWidth;
    const int lockX = endX + dateWidth + 12;
    for (int n = 1; n <= 12; ++n) {
        PeriodControls& c = m_periods[static_cast<size_t>(n)];
        c.caption->resize(kCaptionWidth, kRowHeight);
        c.start->resize(dateWidth, kRowHeight);
        c.to->resize(toWidth, kRowHeight);
        c.end->resize(dateWidth, kRowHeight);
        c.lock->resize(kLockWidth, kRowHeight);
        c.start->move(startX, 0);
        c.to->move(toX, 0);
        c.end->move(endX, 0);
        c.lock->move(lockX, 0);
    }
    rows->setFixedSize(lockX + kLockWidth, 11 * SettingsDialogModel::kRowSpacing + kRowHeight);

    m_monthEnd = dialogButton(QStringLiteral("自動設定（月末締）"),
                              QStringLiteral("autoSetMonthEndsButton"), box, 0);
    m_fromStartMonth = dialogButton(QStringLiteral("自動設定(任意)"),
                                    QStringLiteral("autoSetFromClosingDayButton"), box, 0);
    auto* autoButtons = new QHBoxLayout;
    autoButtons->addStretch();
    autoButtons->addWidget(m_monthEnd);
    autoButtons->addWidget(m_fromStartMonth);

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(rows);
    layout->addStretch();
    layout->addLayout(autoButtons);
    return box;
}

void SettingsDialog::createButtons() {
    m_apply = dialogButton(QStringLiteral("適用(&A)"), QStringLiteral("applyButton"), this);
    m_close = dialogButton(QStringLiteral("閉じる"), QStringLiteral("closeButton"), this);
}

void SettingsDialog::connectModel() {
    connect(m_usageType, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on && !m_refreshing) {
            act([&] { m_model.setUsageType(id); });
        }
    });
    connect(m_startOption, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on && !m_refreshing) {
            act([&] { m_model.setStartOption(id); });
        }
    });
    connect(m_startDataFile, &QLineEdit::textEdited, this,
            [this](const QString& text) { act([&] { m_model.setStartDataFile(text); }); });
    connect(m_browse, &QPushButton::clicked, this,
            [this] { act([this] { m_model.chooseStartDataFile(); }); });
    connect(m_companyName, &QLineEdit::textEdited, this,
            [this](const QString& text) { act([&] { m_model.setCompanyName(text); }); });
    connect(m_negativeInRed, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_refreshing) {
            act([&] { m_model.setNegativeInRed(on); });
        }
    });
    // A button is clicked when the mouse is released over it.
    connect(m_startMonth, &QButtonGroup::idClicked, this,
            [this](int month) { act([&] { m_model.startMonthClick(month); }); });
    connect(m_startYear, &QSpinBox::valueChanged, this, [this](int year) {
        if (!m_refreshing) {
            act([&] { m_model.setStartYear(year); });
        }
    });
    connect(m_openingBalance, &QLineEdit::textEdited, this,
            [this] { act([this] { m_model.setOpeningBalance(m_openingBalance->value()); }); });
    for (int n = 1; n <= 12; ++n) {
        const PeriodControls& c = m_periods[static_cast<size_t>(n)];
        connect(c.start, &QDateEdit::dateChanged, this, [this, n](const QDate& date) {
            if (!m_refreshing) {
                act([&] { m_model.setPeriodStart(n, date); });
            }
        });
        connect(c.end, &QDateEdit::dateChanged, this, [this, n](const QDate& date) {
            if (!m_refreshing) {
                act([&] { m_model.setPeriodEnd(n, date); });
            }
        });
        connect(c.lock, &QCheckBox::toggled, this, [this, n](bool on) {
            if (!m_refreshing) {
                act([&] { m_model.setPeriodLocked(n, on); });
            }
        });
    }
    connect(m_monthEnd, &QPushButton::clicked, this,
            [this] { act([this] { m_model.autoSetMonthEnds(); }); });
    connect(m_fromStartMonth, &QPushButton::clicked, this,
            [this] { act([this] { m_model.autoSetFromClosingDay(); }); });
    connect(m_apply, &QPushButton::clicked, this, [this] { act([this] { m_model.apply(); }); });
    connect(m_close, &QPushButton::clicked, this, &SettingsDialog::reject);
}

void SettingsDialog::reject() {
    act([this] { m_model.close(); });
}

void SettingsDialog::refresh() {
    m_refreshing = true;
    refreshGeneral();
    refreshStart();
    refreshPeriods();
    m_refreshing = false;
}

void SettingsDialog::refreshGeneral() {
    m_usageType->button(m_model.usageType())->setChecked(true);
    if (QAbstractButton* option = m_startOption->button(m_model.startOption())) {
        option->setChecked(true);
    }
    const bool fileEnabled = m_model.startDataFileEnabled();
    m_startDataFile->setEnabled(fileEnabled);
    m_browse->setEnabled(fileEnabled);
    if (m_startDataFile->text() != m_model.startDataFile()) {
        m_startDataFile->setText(m_model.startDataFile());
    }
    if (m_companyName->text() != m_model.companyName()) {
        m_companyName->setText(m_model.companyName());
    }
    m_negativeInRed->setChecked(m_model.negativeInRed());
    m_fontType->setCurrentIndex(m_model.fontTypeIndex());
    m_fontSize->setCurrentIndex(m_model.fontSizeIndex());
}

void SettingsDialog::refreshStart() {
    const int month = m_model.checkedStartMonth();
    if (month == 0) {
        // An exclusive group keeps one button checked; none is only possible
        // with the rule lifted.
        m_startMonth->setExclusive(false);
        for (QAbstractButton* b : m_startMonth->buttons()) {
            b->setChecked(false);
        }
        m_startMonth->setExclusive(true);
    } else {
        m_startMonth->button(month)->setChecked(true);
    }
    if (m_startYear->value() != m_model.startYear()) {
        m_startYear->setValue(m_model.startYear());
    }
    if (m_openingBalance->value() != m_model.openingBalance()) {
        m_openingBalance->setValue(m_model.openingBalance());
    }
}

void SettingsDialog::refreshPeriods() {
    const std::array<PeriodRow, 12> rows = m_model.rows();
    for (size_t k = 0; k < rows.size(); ++k) {
        const PeriodRow& row = rows[k];
        const PeriodControls& c = m_periods[static_cast<size_t>(row.period)];
        const int y = static_cast<int>(k) * SettingsDialogModel::kRowSpacing;
        for (QWidget* w : {static_cast<QWidget*>(c.caption), static_cast<QWidget*>(c.start),
                           static_cast<QWidget*>(c.to), static_cast<QWidget*>(c.end),
                           static_cast<QWidget*>(c.lock)}) {
            w->move(w->x(), y);
        }
        c.caption->setText(row.caption);
        setDate(c.start, row.start);
        setDate(c.end, row.end);
        c.lock->setChecked(row.locked);
    }
    // Keyboard order: the dates row by row, then the locks, then the buttons.
    QWidget* previous = m_openingBalance;
    auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    // The model names the controls in their order.
    for (const QString& name : m_model.tabOrder()) {
        if (QWidget* control = findChild<QWidget*>(name)) {
            chain(control);
        }
    }
    for (QWidget* b : {m_monthEnd, m_fromStartMonth, m_apply, m_close}) {
        chain(b);
    }
}

}  // namespace tallyrix
