#include "yearfile/backup_menu.h"

#include "core/bracket_keys.h"

namespace tallyrix {

void BackupMenu::shiftDown() {
    for (int n = kEntries - 1; n >= 1; --n) {
        (*this)[n + 1] = (*this)[n];
    }
}

namespace {

QString nameKey(int n) {
    return QStringLiteral("[BACK_NAME_%1]").arg(n);
}
QString fileKey(int n) {
    return QStringLiteral("[BACK_FILE_%1]").arg(n);
}
QString lastFileKey() {
    return QStringLiteral("[Last_Filename]");
}

}  // namespace

void loadBackupMenu(const QString& fileName, BackupMenu& menu) {
    forEachBracketKey(fileName, [&](const QString& key, const QString& rawValue) {
        const QString value = rawValue.trimmed();
        if (key == lastFileKey()) {
            menu.lastFileName = value;
            return;
        }
        for (int n = 1; n <= BackupMenu::kEntries; ++n) {
            if (key == nameKey(n)) {
                menu[n].caption = value;
            } else if (key == fileKey(n)) {
                menu[n].path = value;
            }
        }
    });
}

void saveBackupMenu(const QString& fileName, const BackupMenu& menu) {
    BracketWriter writer;
    for (int n = 1; n <= BackupMenu::kEntries; ++n) {
        writer.add(nameKey(n), menu[n].caption).add(fileKey(n), menu[n].path);
    }
    writer.add(lastFileKey(), menu.lastFileName).save(fileName);
}

}  // namespace tallyrix
