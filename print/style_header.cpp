#include "print/style_header.h"

#include "print/style_fields.h"

namespace tallyrix {
namespace {

const QString kHeaderKind = QStringLiteral("header");

int headerLineIndex(const StyleTemplate& lines) {
    for (int i = 0; i < lines.size() && !lines[i].isEmpty(); ++i) {
        if (StyleFields(lines[i]).text(1) == kHeaderKind) {
            return i;
        }
    }
    return -1;
}

bool isTextItem(const QString& kind) {
    return kind == QLatin1String("char") || kind == QLatin1String("data");
}

}  // namespace

QString styleVersion(const StyleTemplate& lines) {
    const int header = headerLineIndex(lines);
    return header < 0 ? QString() : StyleFields(lines[header]).text(2);
}

bool upgradeStyleTemplate(StyleTemplate& lines) {
    const int header = headerLineIndex(lines);
    if (header < 0 || StyleFields(lines[header]).text(2) != QStringView(kOldStyleVersion)) {
        return false;
    }
    for (int i = header + 1; i < lines.size() && !lines[i].isEmpty(); ++i) {
        QStringList fields = splitStyleFields(lines[i]);
        if (fields.size() < 7 || !isTextItem(fields[4])) {
            continue;
        }
        fields.insert(7, fields[6]);
        fields.insert(7, fields[5]);
        lines[i] = fields.join(u';');
    }
    QStringList fields = splitStyleFields(lines[header]);
    fields[1] = QString::fromUtf16(kCurrentStyleVersion);
    lines[header] = fields.join(u';');
    return true;
}

StyleHeader readStyleHeader(const StyleTemplate& lines) {
    const StyleFields fields(lines.isEmpty() ? QString::fromUtf16(kNewStyleHeader) : lines[0]);
    StyleHeader header;
    header.oddX = fields.decimal(3);
    header.oddY = fields.decimal(4);
    header.paperSize = fields.integer(5);
    header.orientation = fields.integerOr0(6);
    header.evenX = fields.text(10).isEmpty() ? Decimal4() : fields.decimal(10);
    header.evenY = fields.text(11).isEmpty() ? Decimal4() : fields.decimal(11);
    header.paperSource = fields.integerOr0(12);
    return header;
}

}  // namespace tallyrix
