#pragma once

#include <QString>
#include <array>

#include "core/folders.h"
#include "core/line_store.h"
#include "core/prompter.h"

namespace tallyrix {

// The user's own holidays: month-and-day pairs that recur every year, one
// "MM,DD," line each in config/SDAYLIST.DAT of the data folder.
class Holidays {
public:
    Holidays(Prompter& prompter, Folders folders);

    QString fileName() const;
    // Reads the file once at start-up; a missing file means no holidays. A file
    // that cannot be read is reported and leaves the list empty.
    void load();

    bool isHoliday(int month, int day) const;
    // Shift+click on a day: asks to remove a matching entry, or, when none
    // matches, to add one; then rewrites the whole file. Returns true when the
    // list changed.
    bool toggle(int month, int day);

    const LineStore& lines() const { return m_lines; }

private:
    void rebuildIndex();
    void save();

    Prompter& m_prompter;
    Folders m_folders;
    LineStore m_lines;
    bool m_fileUnreadable = false;
    // Month 1..12 by day 1..31, so the calendar need not split lines per cell.
    std::array<bool, 13 * 32> m_marked{};
};

}  // namespace tallyrix
