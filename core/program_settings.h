#pragma once

#include <QString>

namespace tallyrix {

// "tallyrix.conf": what the program starts with and what the settings dialog
// edits. The texts are kept as the file holds them, so that an unchanged dialog
// writes them back exactly; the program itself uses them trimmed.
struct ProgramSettings {
    enum StartOption { OpenLastFile = 1, OpenStartDataFile = 2 };

    int startOption = OpenLastFile;  // [Start_Opt_1]
    QString startDataFile;           // [FILE_DIR]
    QString companyName;             // [COMPANY_NAME]
    bool negativeInRed = false;      // [OPTION2]
    int fontType = 1;                // [OPTION3]: 1 gothic, 2 mincho
    int fontSize = 10;               // [FONT_SIZE]: 9..12
    // Read and kept, never written.
    int option1 = 0;      // [OPTION1]
    QString printStyle1;  // [PRINT_STYLE1], trimmed
    QString printStyle2;  // [PRINT_STYLE2], trimmed

    QString startFile() const { return startDataFile.trimmed(); }
    QString company() const { return companyName.trimmed(); }
};

// The file of the data folder.
inline QString programSettingsFileName() {
    return QStringLiteral("tallyrix.conf");
}

// The values of the file over the defaults, in file order (a later line wins);
// switches match only as whole lines ("[OPTION2]=TRUE"). A missing file gives
// the defaults; an unreadable one raises a FileError.
ProgramSettings readProgramSettings(const QString& fileName);

// Creates or truncates the file with its six lines in their fixed order; the
// keys that are only read are not kept. Raises a FileError; the old file then
// stays as it was.
void writeProgramSettings(const QString& fileName, const ProgramSettings& settings);

}  // namespace tallyrix
