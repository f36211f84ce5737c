#include "core/program_settings.h"

#include "core/bracket_keys.h"

namespace tallyrix {

ProgramSettings readProgramSettings(const QString& fileName) {
    ProgramSettings s;
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
            s.startOption = ProgramSettings::OpenLastFile;
        } else if (line == QLatin1String("[Start_Opt_1]=2")) {
            s.startOption = ProgramSettings::OpenStartDataFile;
        } else {
            for (int size = 9; size <= 12; ++size) {
                if (line == QStringLiteral("[FONT_SIZE]=") + QString::number(size)) {
                    s.fontSize = size;
                }
            }
            const QString key = bracketKeyOf(line);
            if (key == QLatin1String("[FILE_DIR]")) {
                s.startDataFile = bracketValueOf(line);
            } else if (key == QLatin1String("[COMPANY_NAME]")) {
                s.companyName = bracketValueOf(line);
            } else if (key == QLatin1String("[PRINT_STYLE1]")) {
                s.printStyle1 = bracketValueOf(line).trimmed();
            } else if (key == QLatin1String("[PRINT_STYLE2]")) {
                s.printStyle2 = bracketValueOf(line).trimmed();
            }
        }
    }
    return s;
}

void writeProgramSettings(const QString& fileName, const ProgramSettings& s) {
    BracketWriter()
        .add(QStringLiteral("[FILE_DIR]"), s.startDataFile)
        .add(QStringLiteral("[COMPANY_NAME]"), s.companyName)
        .add(QStringLiteral("[OPTION2]"),
             s.negativeInRed ? QStringLiteral("TRUE") : QStringLiteral("FALSE"))
        .add(QStringLiteral("[OPTION3]"), QString::number(s.fontType == 2 ? 2 : 1))
        .add(QStringLiteral("[FONT_SIZE]"), QString::number(s.fontSize))
        .add(QStringLiteral("[Start_Opt_1]"),
             QString::number(s.startOption == ProgramSettings::OpenStartDataFile ? 2 : 1))
        .save(fileName);
}

}  // namespace tallyrix
