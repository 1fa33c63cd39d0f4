#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "MessageBoxRecorder.h"
#include "OrdinaryUser.h"
#include "ProgramFolder.h"
#include "app/gui/frmLogo.h"
#include "app/gui/modMain.h"
#include "common/Settings.h"
#include "monitor/gui/MapBrowser.h"
#include "monitor/gui/frmTrack.h"
#include "platform/Application.h"

namespace {
// Starts the station installed in a program folder of its own, headless.
void Start(QProcess& p, const ProgramFolder& folder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(folder.File("tervane"), {});
}
}  // namespace

TEST(Main, ASecondStartEndsAtOnceWhileTheFirstRuns) {
    ProgramFolder folder(ProgramFolder::Station);
    ASSERT_TRUE(QFile::copy(StationDir() + "/tervane", folder.File("tervane")));
    QProcess first, second;
    Start(first, folder);
    ASSERT_TRUE(first.waitForStarted(5000));
    EXPECT_FALSE(first.waitForFinished(3000))
        << "the station keeps running: " << first.readAllStandardError().constData();

    Start(second, folder);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running) << "the running copy is not affected";

    first.kill();
    first.waitForFinished(5000);
}

// Main as the station runs it, watched from its own event loops: the splash comes over the shown main window and
// leaves on its own; closing the main window then ends the program.
TEST(Main, TheSplashShowsTheTitleModalOverTheMainWindowUntilItsTwoSecondTimer) {
    ProgramFolder folder(ProgramFolder::Station);
    MessageBoxRecorder boxes;
    MapBrowser::StartEngine = false;
    QPointer<frmLogo> splash;
    bool overShownWindow = false, modal = false, timedOut = false, stayed = false;
    QString label;
    int interval = 0;
    int ticks = 0, ticksGone = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* w : windows) {
            auto* logo = qobject_cast<frmLogo*>(w);
            if (!splash && logo && logo->isVisible()) {
                splash = logo;
                const auto* track = qobject_cast<frmTrack*>(logo->parentWidget());
                overShownWindow = track && track->isVisible();
                modal = QApplication::activeModalWidget() == logo;
                label = logo->labLogo->text();
                interval = logo->Timer1->isActive() ? logo->Timer1->interval() : 0;
                // Whatever the user does, the splash stays its two seconds.
                QTest::keyClick(logo, Qt::Key_Escape);
                logo->close();
                stayed = logo->isVisible();
            }
        }
        timedOut = ++ticks > 1000;
        if (timedOut) {  // a splash that never shows or never leaves: end every loop without hanging the run
            for (QWidget* w : windows) w->close();
            QCoreApplication::exit(1);
        } else if (splash && !splash->isVisible() && ++ticksGone == 2) {
            // A tick after the splash went, so the close lands in the main loop and not in the splash's own.
            watch.stop();
            for (QWidget* w : windows)
                if (qobject_cast<frmTrack*>(w)) w->close();
        }
    });
    watch.start(10);

    Main(folder.Path());
    ASSERT_FALSE(timedOut) << "the splash never showed, or never left";
    EXPECT_TRUE(overShownWindow) << "the main window is loaded and shown first";
    EXPECT_TRUE(modal) << "the main window takes no input while the splash is up";
    EXPECT_EQ(label, Application::ProgramTitle(GetLanguageText(folder.Path(), "Track", "0001")));
    EXPECT_EQ(interval, 2000) << "its timer runs from its load";
    EXPECT_TRUE(stayed) << "Escape and a close request leave the splash up";
    EXPECT_TRUE(boxes.calls.isEmpty());
}

TEST(Main, InstanceLockIsHeldOncePerProgramFolder) {
    ProgramFolder a, b;
    Application::InstanceLock first(a.Path());
    EXPECT_FALSE(first.PreviousInstance());
    {
        Application::InstanceLock again(a.Path());
        EXPECT_TRUE(again.PreviousInstance());
    }
    Application::InstanceLock other(b.Path());
    EXPECT_FALSE(other.PreviousInstance()) << "another program folder runs on its own";
    // Also for another user, whose copy cannot be signalled but lives.
    OrdinaryUser::Own(a.Path(), 0755);
    EXPECT_EQ(
        OrdinaryUser::Run([&] { return QString::number(Application::InstanceLock(a.Path()).PreviousInstance()); }),
        "1");
}

// Only a living copy ends the start: a temporary folder that cannot hold the lock (one that does not exist, one
// where something the user may not remove stands in its place) moves it elsewhere, where it still holds.
TEST(Main, ALockThatCannotBeTakenIsNoRunningCopy) {
    ProgramFolder folder, temp;
    const QByteArray saved = qgetenv("TMPDIR");
    for (const QString& tmpdir : {temp.File("missing"), temp.Path()}) {
        SCOPED_TRACE(tmpdir.toStdString());
        qputenv("TMPDIR", tmpdir.toUtf8());
        if (tmpdir == temp.Path()) {
            QStringList locks;
            {
                Application::InstanceLock taken(folder.Path());
                locks = QDir(tmpdir).entryList({"tervane-*.lock"});
            }
            ASSERT_EQ(locks.size(), 1);
            ASSERT_TRUE(QDir(tmpdir).mkdir(locks[0]));  // in the lock's place, and not to be removed
        }
        Application::InstanceLock first(folder.Path());
        EXPECT_FALSE(first.PreviousInstance());
        Application::InstanceLock again(folder.Path());
        EXPECT_TRUE(again.PreviousInstance()) << "the lock holds where it went";
    }
    // A lock that went to a runtime folder is looked at, whatever the shared folders hold.
    QLockFile elsewhere(temp.File("runtime-other/" + QDir(temp.Path()).entryList({"tervane-*.lock"}, QDir::Dirs)[0]));
    ASSERT_TRUE(QDir(temp.Path()).mkdir("runtime-other") && elsewhere.tryLock(0));
    EXPECT_TRUE(Application::InstanceLock(folder.Path()).PreviousInstance());
    qputenv("TMPDIR", saved);
}

TEST(Main, TitleCarriesTheVersionEvenWithoutItsWords) {
    EXPECT_EQ(Application::ProgramTitle(""), " V0.9.218");
    EXPECT_EQ(Application::ProgramTitle("Station"), "Station V0.9.218");
}
