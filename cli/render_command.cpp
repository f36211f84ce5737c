#include "cli/render_command.h"

#include <QFileInfo>
#include <QGuiApplication>

#include "print/sheet_render.h"
#include "print/style_fonts.h"
#include "print/style_header.h"
#include "print/style_template.h"

namespace tallyrix {
namespace {

const char kUsage[] =
    "usage: render STYLE (--png OUT.png [--zoom PERCENT] | --pdf OUT.pdf) [--printer-mode]";

struct RenderOptions {
    QString style;
    QString png;
    QString pdf;
    int zoom = 100;
    bool zoomGiven = false;
    bool printerMode = false;
};

// Reads the options; false with `error` set when they make no sense.
bool readOptions(const QStringList& args, RenderOptions& o, QString& error) {
    error = QString::fromLatin1(kUsage);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--png") && hasValue && o.png.isEmpty()) {
            o.png = args[++i];
        } else if (a == QLatin1String("--pdf") && hasValue && o.pdf.isEmpty()) {
            o.pdf = args[++i];
        } else if (a == QLatin1String("--zoom") && hasValue && !o.zoomGiven) {
            bool ok = false;
            o.zoom = args[++i].toInt(&ok);
            o.zoomGiven = true;
            if (!ok || o.zoom < 5 || o.zoom > 200) {
                error = QStringLiteral("--zoom takes a percentage from 5 to 200");
                return false;
            }
        } else if (a == QLatin1String("--printer-mode")) {
            o.printerMode = true;
        } else if (o.style.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            o.style = a;
        } else {
            return false;
        }
    }
    if (o.style.isEmpty() || o.png.isEmpty() == o.pdf.isEmpty()) {
        return false;
    }
    if (o.zoomGiven && o.png.isEmpty()) {
        error = QStringLiteral("--zoom applies to --png only");
        return false;
    }
    return true;
}

}  // namespace

bool isRenderCommand(const QStringList& arguments) {
    qsizetype i = 0;
    if (arguments.size() >= 2 && arguments[0] == QLatin1String("--today")) {
        i = 2;
    }
    return i < arguments.size() &&
           (arguments[i] == QLatin1String("render") || arguments[i] == QLatin1String("print"));
}

int runRender(const QStringList& arguments, const CliContext& context) {
    RenderOptions o;
    QString error;
    if (!readOptions(arguments, o, error)) {
        return context.io.fail(error);
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return context.io.fail(QStringLiteral("render needs a QGuiApplication"));
    }
    if (!QFileInfo(o.style).isFile()) {
        return context.io.fail(QStringLiteral("no style file %1").arg(o.style));
    }
    installStyleFonts();
    StyleTemplate lines = loadStyleTemplate(o.style);
    // As the print page does after every load: older text items gain their
    // second point, and the header's offsets apply (the odd-sheet pair).
    upgradeStyleTemplate(lines);
    const StyleHeader header = readStyleHeader(lines);
    SheetOptions sheet;
    sheet.zoomPercent = o.zoom;
    sheet.printerMode = o.printerMode;
    sheet.offsets.oddSheet = {header.oddX, header.oddY};
    sheet.offsets.evenSheet = {header.evenX, header.evenY};
    if (!o.png.isEmpty()) {
        const RenderedSheet rendered = renderPreviewSheet(lines, sheet);
        if (rendered.image.isNull() || !rendered.image.save(o.png, "PNG")) {
            return context.io.fail(QStringLiteral("ファイル %1 に書き込めません。").arg(o.png));
        }
        error = rendered.error;
    } else {
        error = writePdfPage(o.pdf, lines, sheet);
    }
    // What was drawn before a broken line is written; the line is named.
    return error.isEmpty() ? 0 : context.io.fail(QStringLiteral("%1: %2").arg(o.style, error));
}

}  // namespace tallyrix
