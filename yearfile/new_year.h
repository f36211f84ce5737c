#pragma once

#include <QString>

#include "yearfile/file_commands.h"

namespace tallyrix {

// Starting an empty year, and carrying the balances of the year on screen into
// the next year's file.
class NewYearCommands {
public:
    explicit NewYearCommands(FileCommands& files) : m_files(files) {}

    // "新規作成(現金出納帳)" / "新規作成(おこづかい帳)".
    void newBusinessYear() { newYearOfUsage(kBusinessUsage); }
    void newPocketMoneyYear() { newYearOfUsage(kPocketMoneyUsage); }
    // Resets the workspace to an empty year of the current usage type.
    void prepareEmptyYear();
    // "表示中のデータから残高を引き継いで次年度分を作成".
    void makeNextYear();

private:
    void newYearOfUsage(int usageType);

    FileCommands& m_files;
    QString m_nextYearFileName;  // the save dialog's name box keeps its content
};

}  // namespace tallyrix
