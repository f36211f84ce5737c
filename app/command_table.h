#pragma once

#include <QKeySequence>
#include <QString>
#include <vector>

namespace tallyrix {

// One command of the main window: its name, caption, category and shortcut.
// A shortcut that another command owns is only shown beside the caption.
struct CommandSpec {
    const char* name;
    QString caption;
    QString category;
    QKeySequence shortcut;
    bool shortcutShownOnly = false;
};

// Every command in the order of the command list.
const std::vector<CommandSpec>& commandList();
const CommandSpec* findCommand(const QString& name);

// A menu of the main menu: its title and its items; "-" is a separator and
// "menu:<title>" opens a submenu made of the items up to "end".
struct MenuSpec {
    QString title;
    std::vector<const char*> items;
    // The menu that lists the ten backup copies after its items.
    bool holdsBackupEntries = false;
};
const std::vector<MenuSpec>& mainMenu();

}  // namespace tallyrix
