#include "yearfile/new_year.h"

#include "core/app_title.h"
#include "core/prompter.h"

namespace tallyrix {

void NewYearCommands::newYearOfUsage(int usageType) {
    Workspace& ws = m_files.workspace();
    if (ws.modified) {
        const DialogResult answer = m_files.prompter().taskMessage(
            applicationTitle(), applicationTitle(), TaskButtons::YesNo, TaskIcon::Question,
            discardQuestionText());
        if (answer != DialogResult::Yes) {
            return;
        }
    }
    ws.periods.usageType = usageType;
    prepareEmptyYear();
}

void NewYearCommands::prepareEmptyYear() {
    Workspace& ws = m_files.workspace();
    ws.currentBook = ws.mainBook();
    ws.modified = false;
    ws.entries.clear();
    ws.pettyBooks.clear();
    ws.bankBooks.clear();
    m_files.host().clearAnalysis();
    const QDate today = m_files.now().date();
    applyCalendarDefaults(ws.periods, today.year());
    ws.periods.openingBalance = Amount();
    ws.periods.startMonth = 1;
    ws.periods.startYear = today.year();
    ws.periods.asRead = {};
    ws.currentFilePath.clear();
    m_files.host().yearLoaded(YearHost::Arrival::Created);
    m_files.prompter().showNotice(QStringLiteral("確認"),
                                  QStringLiteral("環境設定にて開始月と締日を設定して下さい"));
}

void NewYearCommands::makeNextYear() {
    FileDialogRequest request;
    request.filter = QStringLiteral("現金出納帳-Tallyrix6-ファイル|*.exv");
    request.defaultExt = QStringLiteral("exv");
    request.fileName = m_nextYearFileName;
    request.initialDir = m_files.dialogFolder();
    request.overwritePrompt = true;
    const auto path = m_files.prompter().saveFileName(request);
    if (!path) {
        return;
    }
    m_nextYearFileName = *path;

    Workspace& ws = m_files.workspace();
    YearHost& host = m_files.host();
    ws.currentBook = ws.mainBook();
    ws.periods.openingBalance = host.closingBalance(ws.currentBook);
    for (const QString& kind : {pettyCashKind(), bankKind()}) {
        LineStore& lines = ws.bookLines(kind);
        for (int i = 0; i < lines.count(); ++i) {
            const QString line = lines[i];
            ws.currentBook = {kind, bookLineField(line, 3)};
            const Amount closing = host.closingBalance(ws.currentBook);
            lines.replace(i, bookLineField(line, 1) + u',' + bookLineField(line, 2) + u',' +
                                 bookLineField(line, 3) + u',' + closing.toPlainString() + u',');
        }
    }
    // The next year keeps the usage type of the year it came from.
    ws.modified = false;
    ws.entries.clear();
    ws.periods.startYear += 1;
    shiftPeriodsOneYear(ws.periods);
    ws.currentBook = ws.mainBook();
    host.closingBalance(ws.currentBook);
    host.showBook(ws.currentBook);
    ws.currentFilePath.clear();
    if (!m_files.saveYearFile(*path)) {
        // The new year exists only in memory now: closing must ask to save it.
        ws.modified = true;
    }
}

}  // namespace tallyrix
