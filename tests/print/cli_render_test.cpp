#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>

#include "tests/support/temp_dir.h"

// Golden images of "tallyrix6-cli render": the demonstration style (every
// item kind, both Japanese fonts, pictures) compared pixel by pixel.

namespace {

struct RenderRun {
    int exitCode = -1;
    QString standardError;
};

RenderRun runRender(const QStringList& arguments) {
    QProcess process;
    // The style names its pictures relative to its own folder.
    process.setWorkingDirectory(tallyrix::test::fixture(QStringLiteral("print")));
    process.start(QStringLiteral(TALLYRIX_BIN_DIR "/tallyrix6-cli"),
                  QStringList{QStringLiteral("render")} + arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

// The number of pixels that differ, or -1 when the sizes do.
qsizetype differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return -1;
    }
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qsizetype differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            differing += x.pixel(column, row) != y.pixel(column, row);
        }
    }
    return differing;
}

TEST(CliRender, TheDemonstrationStyleMatchesItsGoldenImages) {
    const struct {
        QStringList options;
        QString golden;
    } cases[] = {
        // The picture of the documentation is the golden image of the preview.
        {{}, QStringLiteral(TALLYRIX_DOCS_DIR "/print/style_demo.png")},
        {{"--zoom", "50", "--printer-mode"},
         tallyrix::test::fixture(QStringLiteral("print/demo_printer_50.png"))},
    };
    for (const auto& c : cases) {
        tallyrix::test::TempDir dir;
        const QString out = dir.file(QStringLiteral("page.png"));
        const RenderRun run = runRender(QStringList{"demo.sle", "--png", out} + c.options);
        ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
        EXPECT_EQ(run.standardError, QString());
        const QImage golden(c.golden);
        ASSERT_FALSE(golden.isNull()) << c.golden.toStdString();
        EXPECT_EQ(differingPixels(QImage(out), golden), 0) << c.golden.toStdString();
    }
}

TEST(CliRender, ABrokenLineStillWritesWhatCameBefore) {
    tallyrix::test::TempDir dir;
    const QString out = dir.file(QStringLiteral("broken.png"));
    const RenderRun run = runRender({"broken_line.sle", "--png", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.standardError.contains(QStringLiteral("(3 行目)")))
        << run.standardError.toStdString();
    const QImage image(out);
    ASSERT_FALSE(image.isNull());
    // The line at y = 10 mm is there (printable area from 15, 15), the rect's top edge is not.
    EXPECT_EQ(image.pixel(100, 15 + 37), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(100, 15 + 75), qRgb(255, 255, 255));
}

TEST(CliRender, APdfPageOfTheSheet) {
    tallyrix::test::TempDir dir;
    for (const QStringList& mode : {QStringList{}, QStringList{"--printer-mode"}}) {
        const QString out = dir.file(QStringLiteral("page.pdf"));
        const RenderRun run = runRender(QStringList{"demo.sle", "--pdf", out} + mode);
        ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
        const QByteArray pdf = tallyrix::test::readBytes(out);
        EXPECT_TRUE(pdf.startsWith("%PDF-"));
        EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595"));  // A4 in points
        EXPECT_TRUE(pdf.contains("/BaseFont /IPAMincho"));
        EXPECT_TRUE(pdf.contains("/BaseFont /IPAGothic"));
        // The preview-only text is in Ｐゴシック: on the screen's page only.
        EXPECT_EQ(pdf.contains("/BaseFont /IPAPGothic"), mode.isEmpty());
    }
}

}  // namespace
