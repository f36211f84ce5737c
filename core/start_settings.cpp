#include "core/start_settings.h"

#include "core/bracket_keys.h"

namespace tallyrix {

void readStartSettings(const QString& fileName, StartSettings& s) {
    for (const QString& line : readSettingsLines(fileName)) {
        if (line == QLatin1String("[OPTION2]=TRUE")) {
            s.negativeInRed = true;
        } else if (line == QLatin1String("[OPTION2]=FALSE")) {
            s.negativeInRed = false;
        } else if (line == QLatin1String("[OPTION3]=1")) {
            s.fontType = 1;
        } else if (line == QLatin1String("[OPTION3]=2")) {
            s.fontType = 2;
        } else if (line == QLatin1String("[OPTION1]=1")) {
            s.option1 = 1;
        } else if (line == QLatin1String("[OPTION1]=2")) {
            s.option1 = 2;
        } else if (line == QLatin1String("[Start_Opt_1]=1")) {
            s.startOption = StartSettings::OpenLastFile;
        } else if (line == QLatin1String("[Start_Opt_1]=2")) {
            s.startOption = StartSettings::OpenStartDataFile;
        } else {
            const QString key = bracketKeyOf(line);
            const QString value = bracketValueOf(line).trimmed();
            if (key == QLatin1String("[FILE_DIR]")) {
                s.startDataFile = value;
            } else if (key == QLatin1String("[PRINT_STYLE1]")) {
                s.printStyle1 = value;
            } else if (key == QLatin1String("[PRINT_STYLE2]")) {
                s.printStyle2 = value;
            } else if (key == QLatin1String("[COMPANY_NAME]")) {
                s.companyName = value;
            }
        }
    }
}

}  // namespace tallyrix
