#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace tallyrix {

// Settings files are lines of "[name]=value". The key is the text before the
// first "=" (brackets included), the value everything after it.
QString bracketKeyOf(const QString& line);
QString bracketValueOf(const QString& line);

// The lines of a settings file; empty when the file does not exist.
QStringList readSettingsLines(const QString& fileName);

// The value as an integer: trimmed, optional sign, decimal digits; otherwise the default.
int bracketInt(const QString& value, int defaultValue);

// Calls visit(key, value) for every line of the file in file order, so a later
// line of the same key wins. A missing file visits nothing.
void forEachBracketKey(const QString& fileName,
                       const std::function<void(const QString& key, const QString& value)>& visit);

// Rewrites every line with the key as key + "=" + value. A missing file is left
// alone and a key the file does not hold is never added.
void setBracketKey(const QString& key, const QString& value, const QString& fileName);

// Collects the lines of a whole-file settings writer in its fixed key order.
class BracketWriter {
public:
    BracketWriter& add(const QString& key, const QString& value);
    BracketWriter& addLine(const QString& line);
    // Creates or truncates the file; never reads the old one.
    void save(const QString& fileName) const;

private:
    QStringList m_lines;
};

struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// "<iniFolder>/<name>.ini" with [Screen_Top], [Screen_Left], [Screen_Width], [Screen_Height].
void saveWindowPlacement(const QString& iniFolder, const QString& name, int top, int left,
                         int width, int height);
// All 0 when the file is missing; a value that is not an integer reads 0.
WindowPlacement loadWindowPlacement(const QString& iniFolder, const QString& name);

}  // namespace tallyrix
