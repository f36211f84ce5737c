#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "core/amount.h"
#include "core/folders.h"
#include "core/program_settings.h"
#include "yearfile/period_table.h"

namespace tallyrix {

class Prompter;
class SettingsDialogModel;
struct Workspace;

// One row of the group "締日とデータのロック設定": period n with its dates and lock.
struct PeriodRow {
    int period = 0;
    QString caption;  // n + "月度"
    QDate start;
    QDate end;
    bool locked = false;
};

// The environment settings dialog "環境設定". It works on a copy of the open
// year's header values and periods; "適用(&A)" checks them, writes
// "tallyrix.conf" and only then changes the open year.
class SettingsDialogModel {
public:
    // Where the dialog over this model tells what went wrong.
    Prompter& prompter() const { return m_prompter; }

    static constexpr int kMinStartYear = 1900;
    static constexpr int kMaxStartYear = 2100;
    // What the number boxes take: four digits for the year, nine for the balance.
    static constexpr int kMaxYearDigitsValue = 9999;
    static constexpr std::int64_t kMaxOpeningBalance = 999'999'999;
    // The period rows stand this many pixels apart.
    static constexpr int kRowSpacing = 30;

    // Reads "tallyrix.conf" of the data folder; an unreadable file raises a FileError.
    SettingsDialogModel(Workspace& ws, Folders folders, Prompter& prompter);

    QString windowTitle() const;
    QString settingsFile() const;

    // `opt1` "使用タイプ": 1 "現金出納帳", 2 "おこづかい帳".
    static QStringList usageTypeChoices();
    int usageType() const { return m_usageType; }
    void setUsageType(int usageType);

    // `start_opt_1` "起動時オプション": 1 open the last file, 2 open the start data file.
    static QStringList startOptionChoices();
    int startOption() const { return m_settings.startOption; }
    void setStartOption(int option);
    // `wdir` and `Button3` take input only for the second choice.
    bool startDataFileEnabled() const;
    const QString& startDataFile() const { return m_settings.startDataFile; }
    void setStartDataFile(const QString& path);

    // `company_name`
    const QString& companyName() const { return m_settings.companyName; }
    void setCompanyName(const QString& name) { m_settings.companyName = name; }

    // `opt2` "残高の－を赤で表示する"
    bool negativeInRed() const { return m_settings.negativeInRed; }
    void setNegativeInRed(bool on) { m_settings.negativeInRed = on; }

    // `opt3` and `font_pt` are hidden: they keep what the file said.
    static QStringList fontTypeChoices();
    static QStringList fontSizeChoices();
    int fontTypeIndex() const { return m_settings.fontType == 2 ? 1 : 0; }
    int fontSizeIndex() const { return m_settings.fontSize - 9; }

    // `month_1`..`month_12`: the checked start month, 0 when none is.
    int checkedStartMonth() const { return m_checkedMonth; }
    // A start month released: the rows start there and become calendar months
    // of the shown start year at once.
    void startMonthClick(int month);

    // `NValEdit2`: at most four digits; the range is checked on apply.
    int startYear() const { return m_startYear; }
    bool setStartYear(int year);
    // `NValEdit1`: 0..999,999,999. The open year's value is shown as it is.
    Amount openingBalance() const { return m_openingBalance; }
    bool setOpeningBalance(Amount amount);

    // The twelve rows in fiscal order from the checked start month.
    std::array<PeriodRow, 12> rows() const;
    // Control names in keyboard order: "s"n and "e"n row by row, then every "l"n.
    QStringList tabOrder() const;
    // Period n (1..12); an invalid date is not taken.
    void setPeriodStart(int period, const QDate& date);
    void setPeriodEnd(int period, const QDate& date);
    void setPeriodLocked(int period, bool locked);

    // "自動設定（月末締）"
    void autoSetMonthEnds();
    // "自動設定(任意)"
    void autoSetFromClosingDay();
    // "指　定": picks the start data file.
    void chooseStartDataFile();
    // "適用(&A)"
    void apply();
    // "閉じる", and closing by the window frame.
    void close();

    bool closed() const { return m_closed; }
    // True once "適用(&A)" changed the open year.
    bool applied() const { return m_applied; }

private:
    int monthForAutoSet() const;
    int rowStartMonth() const;
    bool askYesNo(const QString& text);
    bool refuse(const QString& text);
    bool checksPass();
    void applyToYear();
    static bool validPeriod(int period) { return period >= 1 && period <= 12; }

    Workspace& m_ws;
    Folders m_folders;
    Prompter& m_prompter;

    ProgramSettings m_settings;
    int m_usageType;
    int m_checkedMonth;
    int m_startYear;
    Amount m_openingBalance;
    PeriodTable m_edit;  // the dates and locks of the rows
    bool m_closed = false;
    bool m_applied = false;
};

// What only the window can do: show the dialog modally until it closes.
class SettingsDialogView {
public:
    virtual ~SettingsDialogView() = default;
    virtual void showSettingsDialog(SettingsDialogModel& dialog) = 0;
};

// An account-title search keeps the ledger on one title; changing the periods
// under it is refused with a notice. True when refused.
bool settingsRefusedBySearch(const QString& accountFilter, Prompter& prompter);

// The main cash book's name in fields 9 and 11 of every entry line follows the
// usage type in effect; returns how many lines were rewritten.
int alignMainBookNames(Workspace& ws);

// The settings command up to the point where the main window re-reads its
// settings: refuses during a title search, shows the dialog, aligns the book
// names. False when it was refused, so nothing else is to be done.
bool runSettingsDialog(Workspace& ws, const QString& accountFilter, const Folders& folders,
                       Prompter& prompter, SettingsDialogView& view);

}  // namespace tallyrix
