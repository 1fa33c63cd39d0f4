#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <climits>

#include "FileSizeLimit.h"
#include "MessageBoxRecorder.h"
#include "printouts/gui/TrackReport.h"

namespace {

// On A4 the first page holds 47 positions below the report header, so 60 take two pages.
QList<ReportRecord> Positions(int count) {
    QList<ReportRecord> records;
    for (int i = 0; i < count; ++i)
        records.append({{"DialTime", QString("2024/03/%1 10:00:00").arg(i % 28 + 1, 2, 10, QChar('0'))},
                        {"CheckPoint", "A"},
                        {"Position", QString("N25.%1 E121.500000").arg(i, 6, 10, QChar('0'))},
                        {"Speed_1", QString::number(i)}});
    return records;
}

// The text of each page of a PDF, by poppler's pdftotext.
QStringList PdfPages(const QString& path) {
    QProcess tool;
    tool.start("pdftotext", {"-layout", path, "-"});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) return {};
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

struct TrackReportJobs : testing::Test {
    QTemporaryDir dir;
    TrackReport* report = new TrackReport;
    MessageBoxRecorder boxes;
    void SetUp() override { report->Runtime().SetRecords(Positions(60)); }
    void TearDown() override { delete report; }
    QString Pdf() const { return dir.filePath("track.pdf"); }
};

}  // namespace

TEST_F(TrackReportJobs, ExportsARealPdfWithItsPagesNumbered) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) missing";
    ASSERT_TRUE(report->ExportReport(Pdf()));
    ASSERT_TRUE(QFile::exists(Pdf()));
    QFile file(Pdf());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");

    const QStringList pages = PdfPages(Pdf());
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("1/2")) << pages[0].toStdString();
    EXPECT_TRUE(pages[1].contains("2/2")) << pages[1].toStdString();
    EXPECT_FALSE(pages.join("").contains("%p", Qt::CaseInsensitive));
    EXPECT_TRUE(pages[0].contains(QString::fromUtf8("衛星時間")));
    EXPECT_TRUE(pages[0].contains("N25.000046 E121.500000"));
    EXPECT_FALSE(pages[0].contains("N25.000047")) << "the 48th position goes over to page 2";
    EXPECT_TRUE(pages[1].contains("N25.000059 E121.500000"));
    EXPECT_TRUE(boxes.calls.isEmpty());
}

TEST_F(TrackReportJobs, APrintJobPastTheTimeOutIsCancelledWhilePreviewAndExportGoOn) {
    report->Runtime().ProcessingTimeoutSeconds = 0;  // every job has timed out after its first page
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    EXPECT_FALSE(report->PrintReport(printer));
    EXPECT_FALSE(QFile::exists(dir.filePath("printed.pdf"))) << "no half-printed file is left";

    EXPECT_TRUE(report->ExportReport(Pdf()));
    EXPECT_GT(QFile(Pdf()).size(), 0);
    report->RefreshPreview();
    EXPECT_EQ(report->Preview->pageCount(), 2);
    EXPECT_TRUE(boxes.calls.isEmpty());
}

TEST_F(TrackReportJobs, AnUnwritableFileIsReportedNotPassedAsDone) {
    EXPECT_FALSE(report->ExportReport(dir.filePath("no such folder/track.pdf")));
    ASSERT_EQ(boxes.calls.size(), 1);
    EXPECT_TRUE(boxes.calls[0].text.contains("track.pdf"));
    EXPECT_EQ(boxes.calls[0].style & MessageBox::Critical, MessageBox::Critical);

    // A full disk: the earlier export stays whole, with nothing half written beside it.
    QFile earlier(Pdf());
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("%PDF-1.4 earlier") > 0);
    earlier.close();
    QPrinter printer(QPrinter::HighResolution);  // printing to that file: the same
    printer.setOutputFileName(Pdf());
    {
        const FileSizeLimit full(16 * 1024);
        EXPECT_FALSE(report->ExportReport(Pdf()));
        EXPECT_FALSE(report->PrintReport(printer));
    }
    // Nor is a file nobody may write replaced, even by root, who is told what any other user is told.
    ASSERT_EQ(chmod(QFile::encodeName(Pdf()).constData(), 0444), 0);
    EXPECT_FALSE(report->ExportReport(Pdf()));
    EXPECT_FALSE(report->PrintReport(printer));
    ASSERT_EQ(boxes.calls.size(), 5);
    for (int i = 1; i < 5; ++i)
        EXPECT_TRUE(boxes.calls[i].text.endsWith(": " + qt_error_string(i < 3 ? EFBIG : EACCES)))
            << boxes.calls[i].text.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"track.pdf"});
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "%PDF-1.4 earlier");

    // Nor is a device or a FIFO by the file's name written to, or replaced.
    EXPECT_FALSE(report->ExportReport("/dev/full"));
    const QByteArray fifo = QFile::encodeName(dir.filePath("fifo.pdf"));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    EXPECT_FALSE(report->ExportReport(dir.filePath("fifo.pdf")));
    ASSERT_EQ(boxes.calls.size(), 7);
    EXPECT_TRUE(boxes.calls[6].text.endsWith("it is not a regular file")) << boxes.calls[6].text.toStdString();
    const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    EXPECT_FALSE(report->ExportReport(dir.filePath("fifo.pdf"))) << "nor one that is read";
    ::close(reader);
    EXPECT_EQ(QFileInfo(dir.filePath("fifo.pdf")).isFile(), false);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("fifo.pdf")));

    // No temporary name fits beside a name 5 bytes short of the longest, so the file is written where it is: when
    // that write fails, nothing of it stays.
    const QString name = dir.filePath(QString(NAME_MAX - 9, 'n') + ".pdf");
    {
        const FileSizeLimit full(16 * 1024);
        EXPECT_FALSE(report->ExportReport(name));
    }
    EXPECT_TRUE(boxes.calls.last().text.endsWith(qt_error_string(EFBIG))) << boxes.calls.last().text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(name));
}
