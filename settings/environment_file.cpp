#include "settings/environment_file.h"

#include "core/bracket_keys.h"

namespace tallyrix {

EnvironmentSettings readEnvironmentSettings(const QString& fileName) {
    StartSettings start;
    readStartSettings(fileName, start);

    EnvironmentSettings result;
    result.startOption = start.startOption;
    result.negativeInRed = start.negativeInRed;
    result.fontType = start.fontType;
    // The start-up reader trims the texts and has no use for the font size;
    // the dialog shows the texts as they stand and must keep the size.
    for (const QString& line : readSettingsLines(fileName)) {
        const QString key = bracketKeyOf(line);
        if (key == QLatin1String("[FILE_DIR]")) {
            result.startDataFile = bracketValueOf(line);
        } else if (key == QLatin1String("[COMPANY_NAME]")) {
            result.companyName = bracketValueOf(line);
        }
        for (int size = 9; size <= 12; ++size) {
            if (line == QStringLiteral("[FONT_SIZE]=") + QString::number(size)) {
                result.fontSize = size;
            }
        }
    }
    return result;
}

void writeEnvironmentSettings(const QString& fileName, const EnvironmentSettings& s) {
    BracketWriter()
        .add(QStringLiteral("[FILE_DIR]"), s.startDataFile)
        .add(QStringLiteral("[COMPANY_NAME]"), s.companyName)
        .add(QStringLiteral("[OPTION2]"),
             s.negativeInRed ? QStringLiteral("TRUE") : QStringLiteral("FALSE"))
        .add(QStringLiteral("[OPTION3]"), QString::number(s.fontType == 2 ? 2 : 1))
        .add(QStringLiteral("[FONT_SIZE]"), QString::number(s.fontSize))
        .add(QStringLiteral("[Start_Opt_1]"),
             QString::number(s.startOption == StartSettings::OpenStartDataFile ? 2 : 1))
        .save(fileName);
}

}  // namespace tallyrix
