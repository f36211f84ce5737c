#include "print/printer_service.h"

namespace tallyrix {
namespace {

// The names printers give the first Windows paper sizes.
const char* const kWindowsPaperNames[] = {
    "Letter 8 1/2 x 11 in",
    "Letter Small 8 1/2 x 11 in",
    "Tabloid 11 x 17 in",
    "Ledger 17 x 11 in",
    "Legal 8 1/2 x 14 in",
    "Statement 5 1/2 x 8 1/2 in",
    "Executive 7 1/4 x 10 1/2 in",
    "A3 297 x 420 mm",
    "A4 210 x 297 mm",
    "A4 Small 210 x 297 mm",
    "A5 148 x 210 mm",
    "B4 (JIS) 250 x 354",
    "B5 (JIS) 182 x 257 mm",
    "Folio 8 1/2 x 13 in",
    "Quarto 215 x 275 mm",
    "10x14 in",
    "11x17 in",
    "Note 8 1/2 x 11 in",
    "Envelope #9 3 7/8 x 8 7/8",
    "Envelope #10 4 1/8 x 9 1/2",
    "Envelope #11 4 1/2 x 10 3/8",
    "Envelope #12 4 3/4 x 11",
    "Envelope #14 5 x 11 1/2",
    "C size sheet",
    "D size sheet",
    "E size sheet",
    "Envelope DL 110 x 220mm",
    "Envelope C5 162 x 229 mm",
    "Envelope C3 324 x 458 mm",
    "Envelope C4 229 x 324 mm",
    "Envelope C6 114 x 162 mm",
    "Envelope C65 114 x 229 mm",
    "Envelope B4 250 x 353 mm",
    "Envelope B5 176 x 250 mm",
    "Envelope B6 176 x 125 mm",
    "Envelope 110 x 230 mm",
    "Envelope Monarch 3.875 x 7.5 in",
    "6 3/4 Envelope 3 5/8 x 6 1/2 in",
    "US Std Fanfold 14 7/8 x 11 in",
    "German Std Fanfold 8 1/2 x 12 in",
    "German Legal Fanfold 8 1/2 x 13 in",
};

}  // namespace

QStringList paperSizeList() {
    QStringList list{QStringLiteral("※用紙リスト")};
    for (int n = 1; n < kPaperSizeCount; ++n) {
        if (n <= static_cast<int>(std::size(kWindowsPaperNames))) {
            list.append(QString::fromLatin1(kWindowsPaperNames[n - 1]));
            continue;
        }
        const QPageSize::PageSizeId id = QPageSize::id(n);
        list.append(id == QPageSize::Custom ? QStringLiteral("用紙 %1").arg(n)
                                            : QPageSize::name(id));
    }
    return list;
}

QPageSize pageSizeOfPaper(int windowsPaperSize) {
    const QPageSize::PageSizeId id = QPageSize::id(windowsPaperSize);
    return QPageSize(id == QPageSize::Custom ? QPageSize::A4 : id);
}

int paperOfPageSize(const QPageSize& size) {
    return size.isValid() ? size.windowsId() : 0;
}

}  // namespace tallyrix
