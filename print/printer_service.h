#pragma once

#include <QPageSize>
#include <QString>
#include <QStringList>

#include "print/drawing_surface.h"
#include "print/preview_geometry.h"

namespace tallyrix {

// What a print job asks of the printer: the Windows paper size number (9 A4,
// 12 B4 (JIS), 0 not set), the paper source (tray) code, copies and the
// orientation (0 portrait, 1 landscape).
struct DeviceMode {
    int paperSize = 9;
    int paperSource = 0;
    int copies = 1;
    int orientation = 0;
    bool operator==(const DeviceMode&) const = default;
};

// The printers of the machine as the print page uses them: the list with a
// current and a default printer, each printer's device mode and page
// geometry, the document calls of a print run and the printer setup dialog.
// The program's printers are Qt's (with an entry that prints to a PDF file),
// the command line prints to a PDF file, tests record what they are given.
class PrinterService {
public:
    virtual ~PrinterService() = default;

    virtual QStringList printers() const = 0;
    virtual int currentPrinter() const = 0;
    virtual int defaultPrinter() const = 0;
    // An index outside the list keeps the current printer.
    virtual void selectPrinter(int index) = 0;

    // The current printer's device mode; the driver's defaults of the printer.
    virtual DeviceMode deviceMode() const = 0;
    virtual DeviceMode defaultDeviceMode() const { return {}; }
    virtual void setDeviceMode(const DeviceMode& mode) = 0;
    // The page of the current printer and device mode.
    virtual PrinterGeometry geometry() const = 0;

    // A printer that writes a file needs its name before the document begins.
    virtual bool printsToFile() const { return false; }
    virtual void setOutputFile(const QString& path) { (void)path; }

    // The document of a print run. beginDocument raises a FileError when the
    // printer cannot start; pageSurface is valid until endDocument, with its
    // origin at the top-left of the printable area.
    virtual void beginDocument() = 0;
    virtual DrawingSurface& pageSurface() = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
    // A run that failed half-way: what was sent is thrown away where the printer can.
    virtual void abortDocument() { endDocument(); }

    // The platform's printer setup dialog for the current printer; true when the
    // user confirmed (the chosen printer and device mode are then current).
    virtual bool setupDialog() { return false; }
};

// The paper-size list of the print page: entry 0 "※用紙リスト", then the
// Windows paper sizes 1 to 118 by name ("A4 210 x 297 mm", "B4 (JIS) 250 x 354").
QStringList paperSizeList();
inline constexpr int kPaperSizeCount = 119;

// The Qt page size of a Windows paper size number; A4 for a number Qt does not know.
QPageSize pageSizeOfPaper(int windowsPaperSize);
// The Windows paper size number of a Qt page size; 0 when it has none.
int paperOfPageSize(const QPageSize& size);

}  // namespace tallyrix
