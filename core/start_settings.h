#pragma once

#include <QString>

namespace tallyrix {

// What "tallyrix.conf" holds for the start of the program and its file commands.
struct StartSettings {
    enum StartOption { OpenLastFile = 1, OpenStartDataFile = 2 };

    int startOption = OpenLastFile;  // [Start_Opt_1]
    QString startDataFile;           // [FILE_DIR]
    QString companyName;             // [COMPANY_NAME]
    bool negativeInRed = false;      // [OPTION2]
    int fontType = 1;                // [OPTION3]
    int option1 = 0;                 // [OPTION1], read and kept
    QString printStyle1;             // [PRINT_STYLE1], read and kept
    QString printStyle2;             // [PRINT_STYLE2], read and kept
};

// Applies the lines of the file over `settings` in file order; a missing file
// leaves them as they are. Switches match only as whole lines ("[OPTION2]=TRUE").
void readStartSettings(const QString& fileName, StartSettings& settings);

}  // namespace tallyrix
