#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "ProgramFolder.h"
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
    EXPECT_FALSE(first.waitForFinished(3000)) << "the station keeps running: " << first.readAllStandardError().constData();

    Start(second, folder);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running) << "the running copy is not affected";

    first.kill();
    first.waitForFinished(5000);
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
}

TEST(Main, TitleCarriesTheVersionEvenWithoutItsWords) {
    EXPECT_EQ(Application::ProgramTitle(""), " V0.9.218");
    EXPECT_EQ(Application::ProgramTitle("Station"), "Station V0.9.218");
}
