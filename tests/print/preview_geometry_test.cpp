#include <gtest/gtest.h>

#include "print/preview_geometry.h"
#include "print/render_context.h"

using namespace tallyrix;

namespace {

TEST(PreviewGeometry, PrinterFiguresInWholeMillimetres) {
    // An A4 page at 600 dpi with a 4.23 mm margin (100 pixels).
    const PrinterGeometry g =
        printerGeometryFromPixels({600, 600}, {100, 100}, {4960, 7016}, {4760, 6816});
    EXPECT_EQ(g.offsetX, 4);
    EXPECT_EQ(g.offsetY, 4);
    EXPECT_EQ(g.sheetWidth, 210);
    EXPECT_EQ(g.sheetHeight, 297);
    EXPECT_EQ(g.printableWidth, 202);  // 201.5 rounds up
    EXPECT_EQ(g.printableHeight, 289);
    // 300 × 600 dpi: each axis on its own resolution.
    const PrinterGeometry uneven =
        printerGeometryFromPixels({300, 600}, {50, 100}, {2480, 7016}, {2380, 6816});
    EXPECT_EQ(uneven.offsetX, 4);
    EXPECT_EQ(uneven.sheetWidth, 210);
    EXPECT_EQ(uneven.sheetHeight, 297);
}

TEST(PreviewGeometry, SheetAndPrintableAreaAtAZoom) {
    const PrinterGeometry a4 = referenceA4Printer();
    const struct {
        int zoom;
        int z;
        QSize sheet;
        QRect area;
        const char* scale;
    } cases[] = {
        {100, 96, {794, 1123}, {15, 15, 763, 1092}, "3.7795"},
        {50, 48, {397, 561}, {8, 8, 381, 546}, "1.8898"},
        {150, 144, {1191, 1684}, {23, 23, 1145, 1638}, "5.6693"},
        {5, 4, {40, 56}, {1, 1, 38, 54}, "0.1575"},
    };
    for (const auto& c : cases) {
        const PreviewGeometry g = previewGeometry(a4, {96, 96}, c.zoom);
        EXPECT_EQ(g.zoomedResolutionX, c.z) << c.zoom;
        EXPECT_EQ(g.zoomedResolutionY, c.z) << c.zoom;
        EXPECT_EQ(g.sheet, c.sheet) << c.zoom;
        EXPECT_EQ(g.printableArea, c.area) << c.zoom;
        EXPECT_EQ(g.scaleX.toString(), QString::fromUtf8(c.scale)) << c.zoom;
    }
}

TEST(PreviewGeometry, ScalesOfThePreviewAndThePrinter) {
    EXPECT_EQ(pixelsPerMm(96).toString(), QStringLiteral("3.7795"));
    EXPECT_EQ(pixelsPerMm(600).toString(), QStringLiteral("23.622"));
    EXPECT_EQ(pixelsPerMm(0).toString(), QStringLiteral("0"));
}

}  // namespace
