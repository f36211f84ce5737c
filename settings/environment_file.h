#pragma once

#include <QString>

#include "core/start_settings.h"

namespace tallyrix {

// "tallyrix.conf" as the settings dialog reads and rewrites it. The texts stay
// untrimmed so that an unchanged dialog writes them back exactly.
struct EnvironmentSettings {
    int startOption = StartSettings::OpenLastFile;  // [Start_Opt_1]
    QString startDataFile;                          // [FILE_DIR]
    QString companyName;                            // [COMPANY_NAME]
    bool negativeInRed = false;                     // [OPTION2]
    int fontType = 1;                               // [OPTION3]: 1 gothic, 2 mincho
    int fontSize = 10;                              // [FONT_SIZE]: 9..12
};

// The file of the data folder.
inline QString environmentFileName() {
    return QStringLiteral("tallyrix.conf");
}

// The values of the file over the defaults; a missing file gives the defaults.
// An unreadable file raises a FileError.
EnvironmentSettings readEnvironmentSettings(const QString& fileName);

// Creates or truncates the file with its six lines in their fixed order. Keys
// the program only reads ([OPTION1], [PRINT_STYLE1], ...) are not kept. Raises
// a FileError; the old file then stays as it was.
void writeEnvironmentSettings(const QString& fileName, const EnvironmentSettings& settings);

}  // namespace tallyrix
