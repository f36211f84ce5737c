#include "ledger/holidays.h"

#include <QFileInfo>
#include <vector>

#include "core/app_title.h"
#include "core/comma_text.h"
#include "core/errors.h"

namespace tallyrix {
namespace {

// A leading "0" for one digit only: 100 stays "100".
QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
}

// The first two fields of a holiday line, by the year file's comma rule.
bool firstTwoFields(QStringView line, QStringView& first, QStringView& second) {
    std::vector<FieldSpan> spans;
    splitCommaText(line, spans);
    if (spans.size() < 2) {
        return false;
    }
    first = line.mid(spans[0].start, spans[0].length);
    second = line.mid(spans[1].start, spans[1].length);
    return true;
}

bool matches(QStringView line, const QString& mm, const QString& dd) {
    QStringView first;
    QStringView second;
    return firstTwoFields(line, first, second) && first == mm && second == dd;
}

// Only the exact two-digit form can match a month or a day ("5" is not "05").
int twoDigitValue(QStringView field) {
    if (field.size() != 2) {
        return -1;
    }
    int value = 0;
    for (QChar c : field) {
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

bool isYes(DialogResult result) {
    return result == DialogResult::Yes;
}

}  // namespace

Holidays::Holidays(Prompter& prompter, Folders folders)
    : m_prompter(prompter), m_folders(std::move(folders)) {}

QString Holidays::fileName() const {
    return m_folders.dataFile(QStringLiteral("config/SDAYLIST.DAT"));
}

void Holidays::load() {
    m_lines.clear();
    m_fileUnreadable = false;
    const QString file = fileName();
    if (QFileInfo::exists(file)) {
        LineStore read;
        try {
            read.loadFromFile(file);
            m_lines = std::move(read);
        } catch (const FileError& error) {
            m_fileUnreadable = true;
            m_prompter.showNotice(QStringLiteral("確認"), error.message());
        }
    }
    rebuildIndex();
}

bool Holidays::isHoliday(int month, int day) const {
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 &&
           m_marked[static_cast<size_t>(month * 32 + day)];
}

bool Holidays::toggle(int month, int day) {
    const QString mm = twoDigits(month);
    const QString dd = twoDigits(day);
    const QString date = mm + QStringLiteral("月") + dd + QStringLiteral("日");
    bool matched = false;
    bool changed = false;
    for (int i = 0; i < m_lines.count(); ++i) {
        if (!matches(m_lines[i], mm, dd)) {
            continue;
        }
        matched = true;
        // Duplicates are asked one by one; closing the window is a No.
        if (isYes(m_prompter.taskMessage(applicationTitle(), QString(), TaskButtons::YesNo,
                                         TaskIcon::Question,
                                         date + QStringLiteral("を平日として再設定しますか？")))) {
            m_lines.remove(i);
            changed = true;
            break;
        }
    }
    if (!matched && isYes(m_prompter.taskMessage(
                        applicationTitle(), QString(), TaskButtons::YesNo, TaskIcon::Question,
                        date + QStringLiteral("を休日として再設定しますか？")))) {
        m_lines.add(mm + u',' + dd + u',');
        changed = true;
    }
    if (changed) {
        rebuildIndex();
    }
    save();
    return changed;
}

void Holidays::rebuildIndex() {
    m_marked.fill(false);
    for (const QString& line : m_lines) {
        QStringView first;
        QStringView second;
        if (!firstTwoFields(line, first, second)) {
            continue;
        }
        const int month = twoDigitValue(first);
        const int day = twoDigitValue(second);
        if (month >= 1 && month <= 12 && day >= 1 && day <= 31) {
            m_marked[static_cast<size_t>(month * 32 + day)] = true;
        }
    }
}

void Holidays::save() {
    // A file that could not be read is never replaced by what little is in memory.
    if (m_fileUnreadable) {
        return;
    }
    // The list in memory stays as toggled, so the next toggle writes it again.
    try {
        m_lines.saveToFile(fileName());
    } catch (const FileError& error) {
        m_prompter.showNotice(QStringLiteral("確認"), error.message());
    }
}

}  // namespace tallyrix
