#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "core/folders.h"
#include "print/decimal4.h"
#include "print/preview_geometry.h"
#include "print/printer_service.h"
#include "print/render_context.h"
#include "print/style_template.h"

namespace tallyrix {

class Prompter;
class PrintSources;

// What the print page and the preview show: the choices, which controls are
// usable, the page counter and the composed page.
struct PrintPageState {
    int reportKind = 0;
    bool opened = false;  // the print page was opened once

    QStringList paperChoices{QStringLiteral("A4用紙")};
    int paper = 0;
    int font = 0;            // 0 "ゴシック", 1 "明　朝"
    int column = 0;          // 0 "あり", 1 "なし"
    int colour = 0;          // 0 GRAY, 1 BLUE, 2 PINK, 3 WHITE
    int minusOption = 0;     // 0 "整数での表示", 1 "マイナスでの表示"
    int pageFilter = 0;      // 0 all pages, 1 odd pages only, 2 even pages only
    bool startEven = false;  // "偶数から開始"

    QStringList monthCaptions;           // the twelve months in fiscal order
    std::array<bool, 12> monthTicked{};  // the months a print run prints

    // The position offset boxes (mm): the odd-sheet pair ("全体位置調整" on
    // plain paper) and the even-sheet pair of the pre-printed forms.
    Decimal4 oddX, oddY, evenX, evenY;

    int paperSize = 0;  // position in the paper-size list (the Windows number)
    int orientation = 0;
    int paperSource = 0;
    int copies = 1;
    int printerIndex = -1;  // -1: the current printer

    int zoom = 100;
    int pageCounter = 1;    // 1-based; 0 after the last page was composed
    int shownPage = 1;      // the page the template holds
    int sheetSelector = 0;  // 0 the odd-sheet pair, 1 the even one
    QString stylePath;

    bool monthListEnabled = true;
    bool pageFilterEnabled = true;
    bool colourEnabled = true;
    bool columnEnabled = true;
    bool fontEnabled = true;
    bool minusOptionEnabled = false;
    bool evenRowVisible = false;
    bool pageButtonsVisible = true;
    QString oddRowCaption = QStringLiteral("全体位置調整");
    QString previewHeading;
    QStringList previewTabs{QStringLiteral("印刷")};
    int previewTab = 0;

    bool printing = false;  // a print run is under way: the banner shows
};

// What the print page asks of its window.
class PrintPageView {
public:
    virtual ~PrintPageView() = default;
    // The choices, the controls or the page changed.
    virtual void printPageChanged() {}
    // The sheet stops or starts following the model while a month is selected.
    virtual void freezeSheet(bool frozen) { (void)frozen; }
    // The preview gives way to the banner "印　刷　中・・・", and back.
    virtual void showBanner(bool shown) { (void)shown; }
};

// The print page "印刷" and its preview: the choices of a report, the style
// file they name, its loading and composing, the header line it keeps the
// offsets and the paper in, the printer set-up and the print runs.
class PrintPageModel {
public:
    PrintPageModel(PrintSources& sources, PrinterService& printer, Prompter& prompter,
                   Folders folders);

    void setView(PrintPageView* view) { m_view = view ? view : &m_silent; }
    // The screen the preview shows on; pen widths follow it also on paper.
    void setScreenResolution(QSize resolution) { m_screen = resolution; }
    QSize screenResolution() const { return m_screen; }

    // The print commands: each writes what the report prints from and opens the page.
    // "出納帳印刷": the ledger's rows, the report of the current book.
    void printLedger();
    // "印刷" of the monthly table: its rows, report 5 at the title level, 6 below it.
    void printTable(int level);
    // "帳簿残高印刷" (30), "入出金集計表印刷" (20), "入出金グラフ印刷" (40).
    void printReportOfKind(int kind);

    // Prepares the page for the report kind already set and loads its style.
    void openPrintPage(int kind);
    // The style of the kind and the choices, from page 1.
    void chooseStyleByKind();
    // The load step: asks for a style when the file is missing, loads it,
    // composes the page of the counter, applies its header. False when the
    // user cancelled the style dialog (nothing changed).
    bool loadAndCompose(const QString& path);
    void applyHeader();
    // Line 0 of the page from the boxes and the printer settings.
    void writeHeader();
    void applyPrintJob();
    void readPrinterSettings();

    // The choices of the print page.
    void choosePaper(int index);
    void chooseFont(int index);
    void chooseColumn(int index);
    void chooseColour(int index);
    void chooseMinusOption(int index);
    void choosePageFilter(int index);
    void setStartEven(bool on) { m_state.startEven = on; }
    void setMonthTicked(int position, bool ticked);
    void setOffsets(Decimal4 oddX, Decimal4 oddY, Decimal4 evenX, Decimal4 evenY);
    // The paper size and orientation apply to the printer and the sheet at once.
    void setPaperSize(int code);
    void setOrientation(int orientation);
    void setPaperSource(int code) { m_state.paperSource = code; }
    // "確　定": the offsets and printer settings into the style file's header.
    void confirm();
    // Enter in the odd-sheet x box: the page shows the offsets as they stand.
    void oddOffsetEntered();
    // "プリンター設定".
    void printerDialog();

    // The preview.
    void setZoom(int percent);
    void firstPage();
    void nextPage();
    // A month tab above the preview (0-based, fiscal order).
    void previewTabChosen(int tab);
    void selectPrintMonth(int month);
    // "印刷実行": the print run of the report.
    void printReport();
    // The preview could not draw the whole page: told once per composed page.
    void previewFailed(const QString& message);

    const PrintPageState& state() const { return m_state; }
    const StyleTemplate& page() const { return m_page; }
    const PrinterGeometry& printerGeometry() const { return m_geometry; }
    // How the page is drawn on the preview surface and on the printer.
    RenderContext previewContext(DrawingSurface& surface) const;
    RenderContext printerContext(DrawingSurface& surface) const;
    QString styleFolder() const { return m_folders.dataFile(QStringLiteral("style")); }
    QString printListPath() const;

private:
    class RunGuard;

    void resetControls();
    void applyPaperControls();
    void readReportSettingsFile();
    void writeReportSettingsFile();
    void composePage();
    void refreshGeometry();
    void changed();
    // Reloads the style file from page 1 after a choice.
    void reloadFromFirstPage();
    void saveHeaderToStyle();
    bool askForStyle(QString& path);

    // The print runs.
    void runMonths();
    void runCurrent();
    void runSinglePage();
    // Every composed page of the run in order, while onPage answers true.
    enum class LoopEnd { Exhausted, Stopped, Cancelled };
    LoopEnd forEachPage(const std::function<bool()>& onPage);
    LoopEnd forEachPageOfMonths(const std::function<bool()>& onPage, int& months);
    void beginDocumentIfNeeded();
    void endDocument();
    void drawOnPrinter();

    PrintSources& m_sources;
    PrinterService& m_printer;
    Prompter& m_prompter;
    Folders m_folders;
    PrintPageView m_silent;
    PrintPageView* m_view = &m_silent;
    QSize m_screen{96, 96};

    PrintPageState m_state;
    StyleTemplate m_page;
    PrinterGeometry m_geometry;
    int m_rememberedMonth = 1;
    bool m_documentOpen = false;
    bool m_outputChosen = false;
    bool m_previewErrorShown = false;
    // The style dialog keeps its title and filter between reports.
    QString m_dialogTitle;
    QString m_dialogFilter;
    QString m_dialogExt;
};

}  // namespace tallyrix
