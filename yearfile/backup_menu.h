#pragma once

#include <QString>
#include <array>

namespace tallyrix {

// The ten entries of the backup menu, newest first, and the last file name, as
// kept in "ini/backup.conf".
struct BackupMenu {
    static constexpr int kEntries = 10;
    struct Item {
        QString caption = QStringLiteral("---");
        QString path;
    };
    std::array<Item, kEntries> items{};
    QString lastFileName;

    Item& operator[](int n) { return items[static_cast<size_t>(n - 1)]; }  // n = 1..10
    const Item& operator[](int n) const { return items[static_cast<size_t>(n - 1)]; }

    // Entry n takes entry n-1's caption and path, the tenth falls off.
    void shiftDown();
};

// Reads the captions, paths and last file name (values trimmed); a missing file
// leaves `menu` as it is.
void loadBackupMenu(const QString& fileName, BackupMenu& menu);
// Writes the 21 lines of the file, whole.
void saveBackupMenu(const QString& fileName, const BackupMenu& menu);

}  // namespace tallyrix
