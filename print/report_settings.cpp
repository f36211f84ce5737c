#include "print/report_settings.h"

#include <QFileInfo>

#include "core/bracket_keys.h"

namespace tallyrix {

void readReportSettings(const QString& fileName, ReportSettings& s) {
    forEachBracketKey(fileName, [&](const QString& key, const QString& value) {
        if (key == u"[Paper_Sel]") {
            s.paper = bracketInt(value, 0);
        } else if (key == u"[Font_Sel]") {
            s.font = bracketInt(value, 0);
        } else if (key == u"[Kamoku_Sel]") {
            s.column = bracketInt(value, 0);
        } else if (key == u"[Color_Sel]") {
            s.colour = bracketInt(value, 0);
        } else if (key == u"[TrackBar1]") {
            s.zoom = bracketInt(value, 50);
        }
    });
}

void writeReportSettings(const QString& fileName, const ReportSettings& s) {
    BracketWriter()
        .add(QStringLiteral("[Paper_Sel]"), QString::number(s.paper))
        .add(QStringLiteral("[Font_Sel]"), QString::number(s.font))
        .add(QStringLiteral("[Kamoku_Sel]"), QString::number(s.column))
        .add(QStringLiteral("[Color_Sel]"), QString::number(s.colour))
        .add(QStringLiteral("[TrackBar1]"), QString::number(s.zoom))
        .save(fileName);
}

std::optional<int> readPrinterIndex(const QString& fileName) {
    if (!QFileInfo(fileName).isFile()) {
        return std::nullopt;
    }
    int index = 0;
    forEachBracketKey(fileName, [&](const QString& key, const QString& value) {
        if (key == u"[PrinterIndex]") {
            index = bracketInt(value, 0);
        }
    });
    return index;
}

void writePrinterIndex(const QString& fileName, int printerIndex) {
    BracketWriter()
        .add(QStringLiteral("[PrinterIndex]"), QString::number(printerIndex))
        .save(fileName);
}

}  // namespace tallyrix
