#include "cli/opened_year.h"

#include "core/folders.h"

namespace tallyrix {

OpenedYear::OpenedYear(const QDate& today)
    : m_today(today),
      m_ledger(m_ws, m_prompter, [this] { return m_today; }),
      m_files(m_ws, m_prompter, m_ledger, Folders{installFolder(), QString()}, m_settings,
              QString(), [this] { return QDateTime(m_today, QTime(0, 0)); }) {
    m_prompter.setCancelWhenUnscripted(true);
    applyCalendarDefaults(m_ws.periods, today.year());
    m_ws.periods.startYear = today.year();
}

bool OpenedYear::open(const QString& path, QString& error) {
    m_prompter.clear();
    if (m_files.openYearFile(path)) {
        return true;
    }
    const QStringList shown = notices();
    error = shown.isEmpty() ? QStringLiteral("cannot open %1").arg(path) : shown.last();
    return false;
}

QStringList OpenedYear::notices() const {
    QStringList texts;
    for (const ScriptedPrompter::Record& record : m_prompter.records()) {
        if (record.kind == ScriptedPrompter::Kind::Notice) {
            texts.append(record.text);
        }
    }
    return texts;
}

}  // namespace tallyrix
