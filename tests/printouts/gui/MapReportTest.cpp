#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPointer>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include "MessageBoxRecorder.h"
#include "ProgramFolder.h"
#include "common/Settings.h"
#include "platform/gui/Twips.h"
#include "printouts/gui/MapReport.h"
#include "printouts/gui/TrackReport.h"

namespace {

QRect Pixels(double left, double top, double width, double height) {
    return QRect(Twips::ToPixels(left), Twips::ToPixels(top), Twips::ToPixels(width), Twips::ToPixels(height));
}

// Closes a report window as the user would and lets it go.
void CloseReport(QWidget* report) {
    QPointer<QWidget> watch(report);
    report->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull()) << "a closed report is released";
}

QImage Picture(MapReport* report) { return report->Runtime().Picture("Section2", "MapImage"); }

}  // namespace

TEST(MapReport, ReopensWhereItWasClosed) {
    ProgramFolder folder;
    MessageBoxRecorder boxes;
    auto* first = new MapReport(folder.Path());
    EXPECT_EQ(first->geometry(), Pixels(60, 450, 11265, 11010)) << "nothing stored: the design's place";
    first->setGeometry(Pixels(1200, 900, 9000, 6000));
    CloseReport(first);
    EXPECT_TRUE(ReadSetting(folder.Path(), "Position", "MapReport").startsWith("0,"));

    auto* second = new MapReport(folder.Path());
    EXPECT_EQ(second->geometry(), Pixels(1200, 900, 9000, 6000));
    CloseReport(second);
}

TEST(MapReport, ShowsTheMapPictureOfTheProgramFolder) {
    ProgramFolder folder;
    MessageBoxRecorder boxes;
    QImage map(710, 457, QImage::Format_RGB32);
    map.fill(Qt::darkGreen);
    folder.Write("image/map8.bmp", {});
    ASSERT_TRUE(map.save(MapReport::PicturePath(folder.Path()), "BMP"));

    auto* report = new MapReport(folder.Path());
    EXPECT_EQ(Picture(report).size(), QSize(710, 457));
    EXPECT_TRUE(boxes.calls.isEmpty());

    report->Runtime().ProcessingTimeoutSeconds = 0;  // timed out after the first page
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(folder.File("printed.pdf"));
    EXPECT_FALSE(report->PrintReport(printer)) << "a print job past the time-out is cancelled";
    EXPECT_TRUE(report->ExportReport(folder.File("map.pdf"))) << "an export goes on";
    CloseReport(report);

    // The exported file itself carries the map picture, whole.
    const QString pdfimages = QStandardPaths::findExecutable("pdfimages");
    if (pdfimages.isEmpty()) GTEST_SKIP() << "pdfimages (poppler-utils) is not installed";
    ASSERT_EQ(QProcess::execute(pdfimages, {"-png", folder.File("map.pdf"), folder.File("inpdf")}), 0);
    const QStringList pictures = QDir(folder.Path()).entryList({"inpdf-*.png"});
    ASSERT_EQ(pictures.size(), 1);
    const QImage inPdf(folder.File(pictures[0]));
    EXPECT_EQ(inPdf.size(), QSize(710, 457));
    const QColor seen = inPdf.pixelColor(355, 228);  // dark green, give or take the file's compression
    EXPECT_LE(std::abs(seen.red()) + std::abs(seen.green() - 128) + std::abs(seen.blue()), 6)
        << seen.name().toStdString();
}

TEST(MapReport, ThePictureIsFoundWhateverTheLetterCaseOfItsName) {
    ProgramFolder folder;
    MessageBoxRecorder boxes;
    QImage map(71, 45, QImage::Format_RGB32);
    map.fill(Qt::darkGreen);
    folder.Write("Image/MAP8.BMP", {});
    ASSERT_TRUE(map.save(folder.File("Image/MAP8.BMP"), "BMP"));
    auto* report = new MapReport(folder.Path());
    EXPECT_EQ(Picture(report).size(), QSize(71, 45));
    EXPECT_TRUE(boxes.calls.isEmpty());
    CloseReport(report);
}

TEST(MapReport, AMissingOrBrokenPictureIsReportedAndTheReportOpensWithoutIt) {
    ProgramFolder folder;
    MessageBoxRecorder boxes;
    auto* report = new MapReport(folder.Path());
    ASSERT_EQ(boxes.calls.size(), 1);
    EXPECT_TRUE(boxes.calls[0].text.startsWith("File not found")) << boxes.calls[0].text.toStdString();
    EXPECT_TRUE(boxes.calls[0].text.contains("image/map8.bmp"));
    EXPECT_EQ(boxes.calls[0].style & MessageBox::Critical, MessageBox::Critical);
    EXPECT_TRUE(Picture(report).isNull());
    report->RefreshPreview();
    EXPECT_EQ(report->Preview->pageCount(), 1);
    CloseReport(report);

    folder.Write("image/map8.bmp", "not a bitmap");
    report = new MapReport(folder.Path());
    ASSERT_EQ(boxes.calls.size(), 2);
    EXPECT_TRUE(boxes.calls[1].text.startsWith("Invalid picture")) << boxes.calls[1].text.toStdString();
    CloseReport(report);
}

TEST(TrackReport, AlwaysOpensAtItsDesignSize) {
    ProgramFolder folder;
    auto* first = new TrackReport;
    EXPECT_EQ(first->geometry(), Pixels(60, 450, 11280, 5160));
    first->setGeometry(Pixels(1200, 900, 9000, 6000));
    CloseReport(first);
    auto* second = new TrackReport;
    EXPECT_EQ(second->geometry(), Pixels(60, 450, 11280, 5160));
    CloseReport(second);
}
