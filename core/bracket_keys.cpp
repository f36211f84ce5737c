#include "core/bracket_keys.h"

#include <QFileInfo>

#include "core/line_store.h"

namespace tallyrix {

QString bracketKeyOf(const QString& line) {
    const qsizetype pos = line.indexOf(u'=');
    return pos < 0 ? QString() : line.left(pos);
}

QString bracketValueOf(const QString& line) {
    const qsizetype pos = line.indexOf(u'=');
    return pos < 0 ? QString() : line.mid(pos + 1);
}

QStringList readSettingsLines(const QString& fileName) {
    if (!QFileInfo(fileName).isFile()) {
        return {};
    }
    LineStore lines;
    lines.loadFromFile(fileName);
    return lines.toStringList();
}

int bracketInt(const QString& value, int defaultValue) {
    const QString s = value.trimmed();
    qsizetype i = (s.startsWith(u'-') || s.startsWith(u'+')) ? 1 : 0;
    if (i == s.size()) {
        return defaultValue;
    }
    for (; i < s.size(); ++i) {
        if (s[i] < u'0' || s[i] > u'9') {
            return defaultValue;
        }
    }
    bool ok = false;
    const int result = s.toInt(&ok);
    return ok ? result : defaultValue;
}

void forEachBracketKey(const QString& fileName,
                       const std::function<void(const QString&, const QString&)>& visit) {
    for (const QString& line : readSettingsLines(fileName)) {
        const qsizetype pos = line.indexOf(u'=');
        if (pos >= 0) {
            visit(line.left(pos), line.mid(pos + 1));
        }
    }
}

void setBracketKey(const QString& key, const QString& value, const QString& fileName) {
    if (!QFileInfo(fileName).isFile()) {
        return;
    }
    LineStore lines;
    lines.loadFromFile(fileName);
    for (int i = 0; i < lines.count(); ++i) {
        if (bracketKeyOf(lines[i]) == key) {
            lines.replace(i, key + u'=' + value);
        }
    }
    lines.saveToFile(fileName);
}

BracketWriter& BracketWriter::add(const QString& key, const QString& value) {
    m_lines.append(key + u'=' + value);
    return *this;
}

BracketWriter& BracketWriter::addLine(const QString& line) {
    m_lines.append(line);
    return *this;
}

void BracketWriter::save(const QString& fileName) const {
    LineStore lines;
    lines.assign(m_lines);
    lines.saveToFile(fileName);
}

namespace {

QString placementFile(const QString& iniFolder, const QString& name) {
    return iniFolder + u'/' + name + QStringLiteral(".ini");
}

}  // namespace

void saveWindowPlacement(const QString& iniFolder, const QString& name, int top, int left,
                         int width, int height) {
    BracketWriter()
        .add(QStringLiteral("[Screen_Top]"), QString::number(top))
        .add(QStringLiteral("[Screen_Left]"), QString::number(left))
        .add(QStringLiteral("[Screen_Width]"), QString::number(width))
        .add(QStringLiteral("[Screen_Height]"), QString::number(height))
        .save(placementFile(iniFolder, name));
}

WindowPlacement loadWindowPlacement(const QString& iniFolder, const QString& name) {
    WindowPlacement placement;
    forEachBracketKey(placementFile(iniFolder, name),
                      [&](const QString& key, const QString& value) {
                          if (key == QLatin1String("[Screen_Top]")) {
                              placement.top = bracketInt(value, 0);
                          } else if (key == QLatin1String("[Screen_Left]")) {
                              placement.left = bracketInt(value, 0);
                          } else if (key == QLatin1String("[Screen_Width]")) {
                              placement.width = bracketInt(value, 0);
                          } else if (key == QLatin1String("[Screen_Height]")) {
                              placement.height = bracketInt(value, 0);
                          }
                      });
    return placement;
}

}  // namespace tallyrix
