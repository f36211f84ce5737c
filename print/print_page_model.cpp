#include "print/print_page_model.h"

#include <QDir>
#include <QFileInfo>

#include "core/errors.h"
#include "core/line_store.h"
#include "core/prompter.h"
#include "print/print_list.h"
#include "print/print_sources.h"
#include "print/report_composer.h"
#include "print/report_kind.h"
#include "print/report_settings.h"
#include "print/style_file_name.h"
#include "print/style_header.h"
#include "print/style_page.h"

namespace tallyrix {
namespace {

// A print run whose output file was not chosen.
struct RunCancelled {};

// A run stops here even if a composer never reported its last page.
constexpr int kMaxPagesPerRun = 10000;

bool passesFilter(int filter, int sheet) {
    switch (filter) {
        case 1:
            return sheet % 2 == 1;
        case 2:
            return sheet % 2 == 0;
        default:
            return true;
    }
}

}  // namespace

// Marks a print run: no printer set-up while it composes, the document ended
// (or abandoned, after an error) whatever happens.
class PrintPageModel::RunGuard {
public:
    explicit RunGuard(PrintPageModel& model) : m_model(model) {
        m_model.m_state.printing = true;
        m_model.m_documentOpen = false;
        m_model.m_outputChosen = false;
    }
    ~RunGuard() {
        if (m_model.m_documentOpen) {
            try {
                m_model.m_printer.abortDocument();
            } catch (...) {
                // Already leaving on an error; the printer's own one is secondary.
            }
            m_model.m_documentOpen = false;
        }
        m_model.m_state.printing = false;
        m_model.m_view->showBanner(false);
    }
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

private:
    PrintPageModel& m_model;
};

PrintPageModel::PrintPageModel(PrintSources& sources, PrinterService& printer, Prompter& prompter,
                               Folders folders)
    : m_sources(sources), m_printer(printer), m_prompter(prompter), m_folders(std::move(folders)) {
    m_page = StyleTemplate{QString::fromUtf16(kNewStyleHeader)};
}

QString PrintPageModel::printListPath() const {
    return m_folders.dataFile(QString::fromUtf16(kPrintListFile));
}

void PrintPageModel::printLedger() {
    m_sources.writeLedgerPrintList(printListPath());
    m_rememberedMonth = m_sources.currentMonth();
    const LedgerPrintValues v = m_sources.ledgerValues();
    openPrintPage(ledgerReportOf(v.bookKind, !v.accountFilter.isEmpty()));
}

void PrintPageModel::printTable(int level) {
    writePrintList(printListPath(), tablePrintList(m_sources.analysis().grid));
    m_rememberedMonth = m_sources.currentMonth();
    openPrintPage(level == 0 ? report::kTableByTitle : report::kTableByDescription);
}

void PrintPageModel::printReportOfKind(int kind) {
    openPrintPage(kind);
}

void PrintPageModel::openPrintPage(int kind) {
    PrintPageState& s = m_state;
    s.reportKind = kind;
    s.copies = 1;
    s.paperChoices = paperChoices(kind);
    const PeriodTable& periods = m_sources.periods();
    s.monthCaptions.clear();
    for (int k = 1; k <= 12; ++k) {
        s.monthCaptions.append(QString::number(periods.periodAtPosition(k)));
    }
    if (isLedgerReport(kind)) {
        s.previewTabs.clear();
        for (const QString& month : s.monthCaptions) {
            s.previewTabs.append(month + u'月');
        }
        const int current = m_sources.currentMonth();
        s.previewTab = current >= 1 && current <= 12 ? periods.positionOfPeriod(current) - 1 : -1;
    } else {
        s.previewTabs = QStringList{QStringLiteral("印刷")};
        s.previewTab = 0;
    }
    m_printer.selectPrinter(m_printer.defaultPrinter());
    readReportSettingsFile();
    resetControls();
    s.stylePath.clear();
    // The printer of the report before must not carry over to this one.
    s.printerIndex = -1;
    readPrinterSettings();
    s.pageCounter = 1;
    s.sheetSelector = 0;
    m_page = StyleTemplate{QString::fromUtf16(kNewStyleHeader)};
    applyPrintJob();
    refreshGeometry();
    changed();

    s.pageButtonsVisible = true;
    if (m_rememberedMonth < 1 || m_rememberedMonth > 12) {
        s.monthListEnabled = false;
    } else {
        s.monthTicked[static_cast<size_t>(periods.positionOfPeriod(m_rememberedMonth) - 1)] = true;
    }
    s.opened = true;
    s.previewHeading = previewHeading(kind);
    if (isLedgerReport(kind) || isTableReport(kind)) {
        if (isTableReport(kind)) {
            s.columnEnabled = false;
        }
        chooseStyleByKind();
        return;
    }
    s.minusOptionEnabled = false;
    s.columnEnabled = false;
    s.fontEnabled = false;
    s.pageFilterEnabled = false;
    s.colourEnabled = false;
    s.monthListEnabled = false;
    s.pageButtonsVisible = kind == report::kBalances;
    s.pageCounter = 1;
    loadAndCompose(styleFolder() + u'/' + styleFileName(kind, {}));
}

void PrintPageModel::resetControls() {
    PrintPageState& s = m_state;
    s.monthListEnabled = true;
    s.pageFilterEnabled = true;
    s.colourEnabled = true;
    s.columnEnabled = true;
    s.fontEnabled = true;
    s.minusOptionEnabled = false;
    s.oddRowCaption = QStringLiteral("全体位置調整");
    s.evenRowVisible = false;
    if (isTableReport(s.reportKind)) {
        s.monthListEnabled = false;
        s.pageFilterEnabled = false;
    }
}

void PrintPageModel::applyPaperControls() {
    PrintPageState& s = m_state;
    const bool form = s.paper == 1 || s.paper == 2;
    s.columnEnabled = !form;
    s.fontEnabled = !form;
    s.colourEnabled = !form;
    s.evenRowVisible = form;
    s.minusOptionEnabled = form;
    s.oddRowCaption = form ? QStringLiteral("奇数ページ") : QStringLiteral("全体位置調整");
}

void PrintPageModel::readReportSettingsFile() {
    PrintPageState& s = m_state;
    ReportSettings r{s.paper, s.font, s.column, s.colour, s.zoom};
    readReportSettings(m_folders.dataFile(reportSettingsFile(s.reportKind)), r);
    s.paper = r.paper >= 0 && r.paper < s.paperChoices.size() ? r.paper : 0;
    s.font = r.font == 1 ? 1 : 0;
    s.column = r.column == 1 ? 1 : 0;
    s.colour = r.colour >= 0 && r.colour <= 3 ? r.colour : 0;
    s.zoom = std::clamp(r.zoom, 5, 200);
}

void PrintPageModel::writeReportSettingsFile() {
    const PrintPageState& s = m_state;
    const QString file = m_folders.dataFile(reportSettingsFile(s.reportKind));
    QDir().mkpath(QFileInfo(file).path());
    writeReportSettings(file, {s.paper, s.font, s.column, s.colour, s.zoom});
}

void PrintPageModel::chooseStyleByKind() {
    const PrintPageState& s = m_state;
    const QString name = styleFileName(s.reportKind, {s.paper, s.font, s.column, s.colour});
    m_state.pageCounter = 1;
    if (isLedgerReport(s.reportKind)) {
        applyPaperControls();
    }
    loadAndCompose(styleFolder() + u'/' + name);
}

bool PrintPageModel::askForStyle(QString& path) {
    const int kind = m_state.reportKind;
    if (kind == report::kCashBook || kind == report::kCashBookFiltered) {
        m_dialogTitle = QStringLiteral("出納帳スタイルを指定して下さい");
        m_dialogExt = QStringLiteral("sle");
        m_dialogFilter = QStringLiteral("出納帳スタイル|*.sle|すべてのファイル|*.*");
    } else if (isTableReport(kind)) {
        m_dialogTitle = QStringLiteral("一覧表スタイルを指定して下さい");
        m_dialogExt = QStringLiteral("slf");
        m_dialogFilter = QStringLiteral("一覧表スタイル|*.slf|すべてのファイル|*.*");
    }
    FileDialogRequest request;
    request.title = m_dialogTitle;
    request.filter = m_dialogFilter;
    request.defaultExt = m_dialogExt;
    request.initialDir = styleFolder();
    const std::optional<QString> chosen = m_prompter.openFileName(request);
    if (!chosen || chosen->isEmpty()) {
        return false;
    }
    path = *chosen;
    m_state.sheetSelector = 0;
    return true;
}

bool PrintPageModel::loadAndCompose(const QString& stylePath) {
    QString path = stylePath;
    if (!path.isEmpty() && !QFileInfo(path).isFile()) {
        path.clear();
    }
    if (path.isEmpty() && !askForStyle(path)) {
        return false;
    }
    PrintPageState& s = m_state;
    if (s.pageCounter == 1) {
        s.sheetSelector = s.startEven ? 0 : 1;
    }
    s.sheetSelector ^= 1;
    m_page = loadStyleTemplate(path);
    m_previewErrorShown = false;
    // Older files get their second text point before the composer numbers fields.
    upgradeStyleTemplate(m_page);
    s.stylePath = path;
    s.shownPage = s.pageCounter;
    try {
        composePage();
        applyHeader();
    } catch (...) {
        changed();  // the page shows as far as it was filled
        throw;
    }
    if (!s.printing) {
        applyPrintJob();
        refreshGeometry();
    }
    changed();
    return true;
}

void PrintPageModel::composePage() {
    PrintPageState& s = m_state;
    const int kind = s.reportKind;
    const QStringList list = isLedgerReport(kind) || isTableReport(kind)
                                 ? readPrintList(printListPath())
                                 : QStringList();
    composeReportPage(m_page, kind, list, s.pageCounter, m_sources, {s.paper, s.minusOption},
                      m_prompter);
}

void PrintPageModel::applyHeader() {
    PrintPageState& s = m_state;
    const StyleHeader h = readStyleHeader(m_page);
    s.oddX = h.oddX;
    s.oddY = h.oddY;
    s.paperSize = h.paperSize >= 0 && h.paperSize < kPaperSizeCount ? h.paperSize : 0;
    s.orientation = h.orientation == 1 ? 1 : 0;
    s.evenX = h.evenX;
    s.evenY = h.evenY;
    s.paperSource = h.paperSource;
    s.printerIndex = -1;
    if (const auto index =
            readPrinterIndex(m_folders.dataFile(printerSettingsFile(s.reportKind, s.paper)))) {
        s.printerIndex = *index;
    }
    if (!s.printing) {
        applyPrintJob();
    }
}

void PrintPageModel::writeHeader() {
    const PrintPageState& s = m_state;
    const QString line = QStringLiteral("header;Ver1.1;") + s.oddX.toString() + u';' +
                         s.oddY.toString() + u';' + QString::number(s.paperSize) + u';' +
                         QString::number(s.orientation) + QStringLiteral(";0;") +
                         QString::number(s.zoom) + QStringLiteral(";0;") + s.evenX.toString() +
                         u';' + s.evenY.toString() + u';' + QString::number(s.paperSource) + u';' +
                         QString::number(m_printer.currentPrinter()) + QStringLiteral(";;");
    if (m_page.isEmpty()) {
        m_page.append(line);
    } else {
        m_page[0] = line;
    }
}

void PrintPageModel::applyPrintJob() {
    const PrintPageState& s = m_state;
    if (s.printerIndex >= 0 && s.printerIndex < m_printer.printers().size()) {
        m_printer.selectPrinter(s.printerIndex);
    }
    DeviceMode mode = m_printer.defaultDeviceMode();
    mode.paperSize = s.paperSize;
    mode.paperSource = s.paperSource;
    mode.copies = s.copies;
    mode.orientation = s.orientation == 1 ? 1 : 0;
    m_printer.setDeviceMode(mode);
}

void PrintPageModel::readPrinterSettings() {
    const DeviceMode mode = m_printer.deviceMode();
    m_state.paperSize = mode.paperSize >= 1 && mode.paperSize <= 41 ? mode.paperSize : 0;
    m_state.copies = mode.copies;
    m_state.paperSource = mode.paperSource;
    m_state.orientation = mode.orientation == 1 ? 1 : 0;
}

void PrintPageModel::refreshGeometry() {
    m_geometry = m_printer.geometry();
}

void PrintPageModel::changed() {
    m_view->printPageChanged();
}

void PrintPageModel::reloadFromFirstPage() {
    if (!m_state.opened) {
        return;
    }
    m_state.pageCounter = 1;
    loadAndCompose(m_state.stylePath);
}

void PrintPageModel::choosePaper(int index) {
    m_state.paper = index >= 0 && index < m_state.paperChoices.size() ? index : 0;
    if (m_state.opened && m_state.reportKind >= 2 && m_state.reportKind <= 10) {
        chooseStyleByKind();
    }
}

void PrintPageModel::chooseFont(int index) {
    m_state.font = index == 1 ? 1 : 0;
    if (m_state.opened && m_state.reportKind >= 2 && m_state.reportKind <= 10) {
        chooseStyleByKind();
    }
}

void PrintPageModel::chooseColumn(int index) {
    m_state.column = index == 1 ? 1 : 0;
    if (m_state.opened && m_state.reportKind >= 2 && m_state.reportKind <= 10) {
        chooseStyleByKind();
    }
}

void PrintPageModel::chooseColour(int index) {
    m_state.colour = index >= 0 && index <= 3 ? index : 0;
    if (m_state.opened && m_state.reportKind >= 2 && m_state.reportKind <= 10) {
        chooseStyleByKind();
    }
}

void PrintPageModel::chooseMinusOption(int index) {
    m_state.minusOption = index == 1 ? 1 : 0;
    reloadFromFirstPage();
}

void PrintPageModel::choosePageFilter(int index) {
    m_state.pageFilter = index >= 0 && index <= 2 ? index : 0;
    reloadFromFirstPage();
}

void PrintPageModel::setMonthTicked(int position, bool ticked) {
    if (position >= 0 && position < 12) {
        m_state.monthTicked[static_cast<size_t>(position)] = ticked;
    }
}

void PrintPageModel::setOffsets(Decimal4 oddX, Decimal4 oddY, Decimal4 evenX, Decimal4 evenY) {
    m_state.oddX = oddX;
    m_state.oddY = oddY;
    m_state.evenX = evenX;
    m_state.evenY = evenY;
}

void PrintPageModel::setPaperSize(int code) {
    m_state.paperSize = code >= 0 && code < kPaperSizeCount ? code : 0;
    applyPrintJob();
    refreshGeometry();
    changed();
}

void PrintPageModel::setOrientation(int orientation) {
    m_state.orientation = orientation == 1 ? 1 : 0;
    applyPrintJob();
    refreshGeometry();
    changed();
}

void PrintPageModel::saveHeaderToStyle() {
    m_page = loadStyleTemplate(m_state.stylePath);
    upgradeStyleTemplate(m_page);
    writeHeader();
    LineStore lines;
    lines.assign(m_page);
    lines.saveToFile(m_state.stylePath);
    m_state.pageCounter = 1;
    m_state.sheetSelector = 0;
    loadAndCompose(m_state.stylePath);
}

void PrintPageModel::confirm() {
    if (!m_state.stylePath.isEmpty()) {
        saveHeaderToStyle();
    }
}

void PrintPageModel::oddOffsetEntered() {
    if (!m_state.stylePath.isEmpty()) {
        writeHeader();
        changed();
    }
}

void PrintPageModel::printerDialog() {
    PrintPageState& s = m_state;
    if (s.printerIndex >= 0 && s.printerIndex < m_printer.printers().size()) {
        m_printer.selectPrinter(s.printerIndex);
    }
    if (m_printer.setupDialog()) {
        s.printerIndex = m_printer.currentPrinter();
        const QString file = m_folders.dataFile(printerSettingsFile(s.reportKind, s.paper));
        QDir().mkpath(QFileInfo(file).path());
        writePrinterIndex(file, s.printerIndex);
        readPrinterSettings();
        refreshGeometry();
        if (s.stylePath.isEmpty()) {
            changed();
            return;
        }
        saveHeaderToStyle();
    }
    writeReportSettingsFile();
}

void PrintPageModel::setZoom(int percent) {
    m_state.zoom = std::clamp(percent, 5, 200);
    changed();
}

void PrintPageModel::firstPage() {
    m_state.pageCounter = 1;
    loadAndCompose(m_state.stylePath);
}

void PrintPageModel::nextPage() {
    ++m_state.pageCounter;
    loadAndCompose(m_state.stylePath);
}

void PrintPageModel::previewTabChosen(int tab) {
    if (isLedgerReport(m_state.reportKind) && tab >= 0 && tab < 12) {
        selectPrintMonth(m_sources.periods().periodAtPosition(tab + 1));
    }
}

void PrintPageModel::selectPrintMonth(int month) {
    m_view->freezeSheet(true);
    struct Thaw {
        PrintPageView* view;
        ~Thaw() { view->freezeSheet(false); }
    } thaw{m_view};
    m_sources.showLedgerMonth(month);
    m_sources.writeLedgerPrintList(printListPath());
    const PeriodTable& periods = m_sources.periods();
    m_state.previewTab = month >= 1 && month <= 12 ? periods.positionOfPeriod(month) - 1 : -1;
    m_state.pageCounter = 1;
    m_state.sheetSelector = 0;
    loadAndCompose(m_state.stylePath);
}

RenderContext PrintPageModel::previewContext(DrawingSurface& surface) const {
    RenderContext c =
        RenderContext::preview(surface, m_screen.width(), m_screen.height(), m_state.zoom,
                               m_geometry.resolutionX, m_geometry.resolutionY);
    c.offsets = {
        {m_state.oddX, m_state.oddY}, {m_state.evenX, m_state.evenY}, m_state.sheetSelector == 1};
    c.reportKind = m_state.reportKind;
    c.paperChoice = m_state.paper;
    return c;
}

RenderContext PrintPageModel::printerContext(DrawingSurface& surface) const {
    RenderContext c =
        RenderContext::printerPage(surface, m_geometry.resolutionX, m_geometry.resolutionY,
                                   m_screen.width(), m_screen.height(), m_state.zoom);
    c.offsets = {
        {m_state.oddX, m_state.oddY}, {m_state.evenX, m_state.evenY}, m_state.sheetSelector == 1};
    c.reportKind = m_state.reportKind;
    c.paperChoice = m_state.paper;
    return c;
}

// --- Print runs -------------------------------------------------------------

void PrintPageModel::printReport() {
    if (!m_state.opened) {
        return;
    }
    try {
        RunGuard guard(*this);
        refreshGeometry();
        switch (printRunOf(m_state.reportKind)) {
            case PrintRun::Months:
                runMonths();
                break;
            case PrintRun::Current:
                runCurrent();
                break;
            case PrintRun::SinglePage:
                runSinglePage();
                break;
        }
    } catch (const RunCancelled&) {
        // The output file was not chosen: nothing was printed.
    }
    changed();
}

void PrintPageModel::previewFailed(const QString& message) {
    if (!m_previewErrorShown) {
        m_previewErrorShown = true;
        m_prompter.showMessage(message);
    }
}

void PrintPageModel::beginDocumentIfNeeded() {
    if (m_documentOpen) {
        return;
    }
    if (m_printer.printsToFile() && !m_outputChosen) {
        FileDialogRequest request;
        request.title = QStringLiteral("PDFファイルに印刷");
        request.filter = QStringLiteral("PDFファイル|*.pdf");
        request.defaultExt = QStringLiteral("pdf");
        request.overwritePrompt = true;
        const std::optional<QString> path = m_prompter.saveFileName(request);
        if (!path || path->isEmpty()) {
            throw RunCancelled{};
        }
        m_printer.setOutputFile(*path);
        m_outputChosen = true;
    }
    m_printer.beginDocument();
    m_documentOpen = true;
    // The document's page follows the printer's settings as they are now.
    refreshGeometry();
}

void PrintPageModel::drawOnPrinter() {
    renderStylePage(m_page, printerContext(m_printer.pageSurface()));
}

PrintPageModel::LoopEnd PrintPageModel::forEachPage(const std::function<bool()>& onPage) {
    m_state.pageCounter = 0;
    int pages = 0;
    do {
        ++m_state.pageCounter;
        if (!loadAndCompose(m_state.stylePath)) {
            return LoopEnd::Cancelled;
        }
        if (!onPage()) {
            return LoopEnd::Stopped;
        }
        if (++pages >= kMaxPagesPerRun) {
            break;
        }
    } while (m_state.pageCounter != 0);
    return LoopEnd::Exhausted;
}

PrintPageModel::LoopEnd PrintPageModel::forEachPageOfMonths(const std::function<bool()>& onPage,
                                                            int& months) {
    months = 0;
    if (m_sources.currentMonth() == PeriodTable::kAllMonths) {
        return forEachPage(onPage);
    }
    const PeriodTable& periods = m_sources.periods();
    const std::array<bool, 12> ticked = m_state.monthTicked;
    for (int k = 0; k < 12; ++k) {
        if (!ticked[static_cast<size_t>(k)]) {
            continue;
        }
        ++months;
        selectPrintMonth(periods.periodAtPosition(k + 1));
        const LoopEnd end = forEachPage(onPage);
        if (end != LoopEnd::Exhausted) {
            return end;
        }
    }
    return LoopEnd::Exhausted;
}

void PrintPageModel::runMonths() {
    m_view->showBanner(true);
    const int filter = m_state.pageFilter;
    int sheet = 1;
    int counted = 0;
    int composed = 0;
    int months = 0;
    const LoopEnd counting = forEachPageOfMonths(
        [&] {
            ++composed;
            if (passesFilter(filter, sheet)) {
                ++counted;
            }
            ++sheet;
            return true;
        },
        months);
    if (counting == LoopEnd::Cancelled) {
        return;
    }
    if (months == 1 && composed == 1 && filter == 2) {
        m_view->showBanner(false);
        m_prompter.showNotice(
            QStringLiteral("確認"),
            QStringLiteral("偶数ページには印刷ページはありません。\r\n"
                           "印　刷(現金出納帳)設定で全てのページにチェックを入れてください。"));
        return;
    }
    if (counted > 0) {
        sheet = 1;
        int printed = 0;
        const LoopEnd printing = forEachPageOfMonths(
            [&] {
                if (passesFilter(filter, sheet)) {
                    beginDocumentIfNeeded();
                    drawOnPrinter();
                    if (++printed == counted) {
                        endDocument();
                        return false;
                    }
                    m_printer.newPage();
                }
                ++sheet;
                return true;
            },
            months);
        if (printing == LoopEnd::Cancelled) {
            return;
        }
    }
    endDocument();
    m_view->showBanner(false);
    selectPrintMonth(m_rememberedMonth);
}

void PrintPageModel::endDocument() {
    if (m_documentOpen) {
        m_documentOpen = false;
        m_printer.endDocument();
    }
}

void PrintPageModel::runCurrent() {
    forEachPage([&] {
        beginDocumentIfNeeded();
        drawOnPrinter();
        if (m_state.pageCounter != 0) {
            m_printer.newPage();
        }
        return true;
    });
    endDocument();
}

void PrintPageModel::runSinglePage() {
    beginDocumentIfNeeded();
    drawOnPrinter();
    endDocument();
}

}  // namespace tallyrix
