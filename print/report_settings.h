#pragma once

#include <QString>
#include <optional>

namespace tallyrix {

// The choices the print page keeps per report in its settings file.
struct ReportSettings {
    int paper = 0;   // [Paper_Sel]
    int font = 0;    // [Font_Sel]: 0 "ゴシック", 1 "明　朝"
    int column = 0;  // [Kamoku_Sel]: 0 "あり", 1 "なし"
    int colour = 0;  // [Color_Sel]: 0 GRAY, 1 BLUE, 2 PINK, 3 WHITE
    int zoom = 100;  // [TrackBar1]: the preview's zoom in percent
};

// Reads the file over `settings`: a key the file lacks keeps its value; values
// that are not numbers read 0 (the zoom 50). A missing file changes nothing.
void readReportSettings(const QString& fileName, ReportSettings& settings);
// Rewrites the file whole in its key order.
void writeReportSettings(const QString& fileName, const ReportSettings& settings);

// The printer file of a report and paper: "[PrinterIndex]=" + the printer's
// index in the printer list. Nothing when the file is missing.
std::optional<int> readPrinterIndex(const QString& fileName);
void writePrinterIndex(const QString& fileName, int printerIndex);

}  // namespace tallyrix
