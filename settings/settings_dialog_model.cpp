#include "settings/settings_dialog_model.h"

#include <optional>

#include "core/app_title.h"
#include "core/errors.h"
#include "core/prompter.h"
#include "core/text_checks.h"
#include "ledger/periods.h"
#include "yearfile/book.h"
#include "yearfile/file_commands.h"
#include "yearfile/workspace.h"

namespace tallyrix {
namespace {

std::int64_t wholeYen(Amount amount) {
    return amount.units() / Amount::kScale;
}

}  // namespace

SettingsDialogModel::SettingsDialogModel(Workspace& ws, Folders folders, Prompter& prompter)
    : m_ws(ws),
      m_folders(std::move(folders)),
      m_prompter(prompter),
      m_settings(readProgramSettings(settingsFile())),
      // The open year decides the usage type, whatever [OPTION1] says.
      m_usageType(ws.periods.usageType == kBusinessUsage ? kBusinessUsage : kPocketMoneyUsage),
      m_checkedMonth(validPeriod(ws.periods.startMonth) ? ws.periods.startMonth : 0),
      m_startYear(ws.periods.startYear),
      m_openingBalance(ws.periods.openingBalance),
      m_edit(ws.periods) {
    for (int n = 1; n <= 12; ++n) {
        m_edit[n].lock = m_edit[n].lock == 1 ? 1 : 0;
    }
}

QString SettingsDialogModel::windowTitle() const {
    return applicationTitle();
}

QString SettingsDialogModel::settingsFile() const {
    return m_folders.dataFile(programSettingsFileName());
}

QStringList SettingsDialogModel::usageTypeChoices() {
    return {businessTitle(), pocketMoneyTitle()};
}

void SettingsDialogModel::setUsageType(int usageType) {
    if (usageType == kBusinessUsage || usageType == kPocketMoneyUsage) {
        m_usageType = usageType;
    }
}

QStringList SettingsDialogModel::startOptionChoices() {
    return {QStringLiteral("前回開いたファイルを開く"),
            QStringLiteral("指定されているデータを読み込む")};
}

void SettingsDialogModel::setStartOption(int option) {
    if (option == ProgramSettings::OpenLastFile || option == ProgramSettings::OpenStartDataFile) {
        m_settings.startOption = option;
    }
}

bool SettingsDialogModel::startDataFileEnabled() const {
    return m_settings.startOption == ProgramSettings::OpenStartDataFile;
}

void SettingsDialogModel::setStartDataFile(const QString& path) {
    if (startDataFileEnabled()) {
        m_settings.startDataFile = path;
    }
}

QStringList SettingsDialogModel::fontTypeChoices() {
    return {QStringLiteral("ゴシック体"), QStringLiteral("明朝体")};
}

QStringList SettingsDialogModel::fontSizeChoices() {
    return {QStringLiteral("9pt"), QStringLiteral("10pt"), QStringLiteral("11pt"),
            QStringLiteral("12pt")};
}

int SettingsDialogModel::monthForAutoSet() const {
    return m_checkedMonth == 0 ? 12 : m_checkedMonth;
}

int SettingsDialogModel::rowStartMonth() const {
    return m_checkedMonth == 0 ? 1 : m_checkedMonth;
}

void SettingsDialogModel::startMonthClick(int month) {
    if (m_closed || !validPeriod(month)) {
        return;
    }
    m_checkedMonth = month;
    // There is no calendar year 0: the dates then stay until a year is given.
    if (m_startYear >= 1) {
        autoSetMonthEnd(m_edit, month, m_startYear);
    }
}

bool SettingsDialogModel::setStartYear(int year) {
    if (year < 1 || year > kMaxYearDigitsValue) {
        return false;
    }
    m_startYear = year;
    return true;
}

bool SettingsDialogModel::setOpeningBalance(Amount amount) {
    if (amount.isNegative() || wholeYen(amount) > kMaxOpeningBalance) {
        return false;
    }
    m_openingBalance = amount;
    return true;
}

std::array<PeriodRow, 12> SettingsDialogModel::rows() const {
    std::array<PeriodRow, 12> result;
    const std::array<int, 12> order = tabMonthList(rowStartMonth());
    for (size_t k = 0; k < order.size(); ++k) {
        const int n = order[k];
        result[k] = {n, QString::number(n) + QStringLiteral("月度"), m_edit[n].start, m_edit[n].end,
                     m_edit[n].lock == 1};
    }
    return result;
}

QStringList SettingsDialogModel::tabOrder() const {
    QStringList dates;
    QStringList locks;
    for (int n : tabMonthList(rowStartMonth())) {
        dates << QStringLiteral("s%1").arg(n) << QStringLiteral("e%1").arg(n);
        locks << QStringLiteral("l%1").arg(n);
    }
    return dates + locks;
}

void SettingsDialogModel::setPeriodStart(int period, const QDate& date) {
    if (!m_closed && validPeriod(period) && date.isValid()) {
        m_edit[period].start = date;
    }
}

void SettingsDialogModel::setPeriodEnd(int period, const QDate& date) {
    if (!m_closed && validPeriod(period) && date.isValid()) {
        m_edit[period].end = date;
    }
}

void SettingsDialogModel::setPeriodLocked(int period, bool locked) {
    if (!m_closed && validPeriod(period)) {
        m_edit[period].lock = locked ? 1 : 0;
    }
}

bool SettingsDialogModel::askYesNo(const QString& text) {
    return m_prompter.taskMessage(applicationTitle(), applicationTitle(), TaskButtons::YesNo,
                                  TaskIcon::Question, text) == DialogResult::Yes;
}

bool SettingsDialogModel::refuse(const QString& text) {
    m_prompter.showNotice(checkHeading(), text);
    return false;
}

void SettingsDialogModel::autoSetMonthEnds() {
    if (m_closed || !askYesNo(QStringLiteral("月末締に自動設定をしますか？"))) {
        return;
    }
    if (m_startYear >= 1) {
        autoSetMonthEnd(m_edit, monthForAutoSet(), m_startYear);
    }
}

void SettingsDialogModel::autoSetFromClosingDay() {
    if (m_closed || !askYesNo(QStringLiteral("開始月を基準に自動設定をしますか？"))) {
        return;
    }
    if (const auto refusal = autoSetFromStartMonth(m_edit, monthForAutoSet())) {
        m_prompter.showNotice(refusal->heading, refusal->text);
    }
}

void SettingsDialogModel::chooseStartDataFile() {
    if (m_closed || !startDataFileEnabled()) {
        return;
    }
    FileDialogRequest request;
    request.filter = QStringLiteral("現金出納帳-Tallyrix Version6(*.exv)|*.exv");
    request.defaultExt = QStringLiteral("exv");
    request.initialDir = fileDialogFolder(m_ws.currentFilePath, m_settings.startDataFile);
    if (const std::optional<QString> chosen = m_prompter.openFileName(request)) {
        m_settings.startDataFile = *chosen;
    }
}

bool SettingsDialogModel::checksPass() {
    if (m_startYear > kMaxStartYear) {
        return refuse(QStringLiteral("開始年度が大きすぎます。"));
    }
    if (m_startYear < kMinStartYear) {
        return refuse(QStringLiteral("開始年度が小さすぎます。"));
    }
    // The spans are checked before the question, the order of the periods after it.
    if (const std::optional<PeriodMessage> fault = validatePeriodSpans(m_edit)) {
        m_prompter.showNotice(fault->heading, fault->text);
        return false;
    }
    // Both texts go to a code page 932 file; a character it cannot hold would
    // come back as "?".
    for (const QString* text : {&m_settings.startDataFile, &m_settings.companyName}) {
        if (const std::optional<QString> bad = unsavableCharacterMessage(*text)) {
            return refuse(*bad);
        }
    }
    const bool headerChanged =
        wholeYen(m_openingBalance) != wholeYen(m_ws.periods.openingBalance) ||
        monthForAutoSet() != m_ws.periods.startMonth;
    if (headerChanged && !askYesNo(QStringLiteral("開始月、開始残高を変更していいですか？"))) {
        return false;
    }
    if (const std::optional<PeriodMessage> fault = validatePeriodOrder(m_edit, monthForAutoSet())) {
        m_prompter.showNotice(fault->heading, fault->text);
        return false;
    }
    return true;
}

void SettingsDialogModel::applyToYear() {
    PeriodTable& table = m_ws.periods;
    for (int n = 1; n <= 12; ++n) {
        table[n] = m_edit[n];
    }
    table.startMonth = monthForAutoSet();
    table.openingBalance = Amount::fromYen(wholeYen(m_openingBalance));
    table.startYear = m_startYear;
    table.usageType = m_usageType;
    // The user has chosen both values now: the file gets these.
    table.asRead = {};
    m_ws.modified = true;
    m_applied = true;
}

void SettingsDialogModel::apply() {
    if (m_closed || !checksPass()) {
        return;
    }
    // The file first: when it cannot be written the open year stays as it was
    // and the user can try again or close.
    try {
        writeProgramSettings(settingsFile(), m_settings);
    } catch (const FileError& error) {
        m_prompter.showNotice(QStringLiteral("確認"), error.message());
        return;
    }
    applyToYear();
    m_prompter.showNotice(QStringLiteral("現金出納帳-Tallyrix Version6"),
                          QStringLiteral("環境設定を登録しました。"));
    m_closed = true;
}

void SettingsDialogModel::close() {
    m_closed = true;
}

bool settingsRefusedBySearch(const QString& accountFilter, Prompter& prompter) {
    if (accountFilter.isEmpty()) {
        return false;
    }
    prompter.showNotice(QStringLiteral("確認"),
                        QStringLiteral("科目検索指定時は環境設定の変更はできません"));
    return true;
}

int alignMainBookNames(Workspace& ws) {
    if (!ws.periods.alignsMainBookNames()) {
        return 0;
    }
    const int usage = ws.usageType();
    const QString from = usage == kBusinessUsage ? pocketMoneyTitle() : businessTitle();
    const QString to = mainTitleFor(usage);
    int rewritten = 0;
    for (int i = 0; i < ws.entries.count(); ++i) {
        bool changed = false;
        for (int field : {NameField, CounterNameField}) {
            if (ws.entries.at(i).fieldView(field) == from) {
                ws.entries.setField(i, field, to);
                changed = true;
            }
        }
        rewritten += changed ? 1 : 0;
    }
    return rewritten;
}

bool runSettingsDialog(Workspace& ws, const QString& accountFilter, const Folders& folders,
                       Prompter& prompter, SettingsDialogView& view) {
    if (settingsRefusedBySearch(accountFilter, prompter)) {
        return false;
    }
    {
        SettingsDialogModel dialog(ws, folders, prompter);
        view.showSettingsDialog(dialog);
    }
    alignMainBookNames(ws);
    return true;
}

}  // namespace tallyrix
