// The profile in the native settings store: defaults, damaged stores,
// stores that cannot be written, and counters shared by two processes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <climits>

#include "tests/window/window_fixture.h"

namespace {

using platform::qt::QtProfile;

class ProfileTest : public ::testing::Test {
protected:
    int Get(const QString& entry, int def) const {
        return profile.Get("Quenmore", app, "Tavolk", entry, def);
    }
    QString File() const { return QtProfile::Location("Quenmore", app); }
    void WriteFile(const QByteArray& content) const {
        QDir().mkpath(QFileInfo(File()).absolutePath());
        QFile f(File());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

    QtProfile profile;
    QString app = UniqueAppName();
};

TEST_F(ProfileTest, FreshStoreGivesTheDefaultsAndKeepsWhatIsWritten) {
    EXPECT_EQ(Get("size", 4), 4);
    EXPECT_EQ(Get("solved", 0), 0);
    EXPECT_TRUE(profile.Write("Quenmore", app, "Tavolk", "size", 5));
    EXPECT_EQ(Get("size", 4), 5);
    EXPECT_EQ(profile.Increment("Quenmore", app, "Tavolk", "solved"), 1);
    EXPECT_EQ(profile.Increment("Quenmore", app, "Tavolk", "solved"), 2);

    // The values live in the native store under the organisation and application.
    EXPECT_EQ(File(), TestConfigFolder() + "/Quenmore/" + app + ".conf");
    QSettings settings(File(), QSettings::IniFormat);
    EXPECT_EQ(settings.value("Tavolk/size").toInt(), 5);
    EXPECT_EQ(settings.value("Tavolk/solved").toInt(), 2);
    EXPECT_FALSE(QFile::exists(File() + ".update-lock"));
}

TEST_F(ProfileTest, ValuesThatAreNoIntegersGiveTheDefault) {
    const char* stored[] = {"abc", "9.5", "", "99999999999", "0x10", "@Variant(\\0\\0\\0\\x7f)",
                            "4 5"};
    for (const char* value : stored) {
        WriteFile(QByteArray("[Tavolk]\nsize=") + value + "\n");
        EXPECT_EQ(Get("size", 4), 4) << value;
    }
    WriteFile("[Tavolk]\nsize=-3\nsolved=2147483647\n");
    EXPECT_EQ(Get("size", 4), -3);
    EXPECT_EQ(profile.Increment("Quenmore", app, "Tavolk", "solved"), INT_MIN);
    EXPECT_EQ(Get("solved", 0), INT_MIN);
}

TEST_F(ProfileTest, GarbageStoreGivesTheDefaultsAndCanBeWrittenAgain) {
    WriteFile(QByteArray("\x00\x01\xfe\xff garbage [[[ = = =\n\xc3\x28", 24));
    EXPECT_EQ(Get("size", 4), 4);
    EXPECT_EQ(Get("unsolved", 0), 0);
    EXPECT_EQ(profile.Increment("Quenmore", app, "Tavolk", "unsolved"), 1);
    EXPECT_EQ(Get("unsolved", 0), 1);
}

TEST_F(ProfileTest, StoreThatCannotBeWrittenGivesDefaultsAndLosesOnlyTheWrite) {
    // A plain file where the folder should be: nothing can be created below it,
    // whoever runs the test.
    const QString blocker = TestConfigFolder() + "/blocked-" + app;
    {
        QFile f(blocker);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker + "/config");
    const int size = profile.Get("Quenmore", app, "Tavolk", "size", 4);
    const bool written = profile.Write("Quenmore", app, "Tavolk", "size", 6);
    const int count = profile.Increment("Quenmore", app, "Tavolk", "solved");
    const int after = profile.Get("Quenmore", app, "Tavolk", "size", 4);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, TestConfigFolder());
    EXPECT_EQ(size, 4);
    EXPECT_FALSE(written);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(after, 4);
}

// Runs `copies` processes at once, each adding 1 to "solved" `times` times.
void RunConcurrently(const QString& app, int copies, int times) {
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int i = 0; i < copies; ++i) {
        auto p = std::make_unique<QProcess>();
        p->start(PROFILE_STRESS_PATH, {TestConfigFolder(), app, "solved", QString::number(times)});
        processes.push_back(std::move(p));
    }
    for (auto& p : processes) {
        ASSERT_TRUE(p->waitForFinished(120000)) << p->errorString().toStdString();
        ASSERT_EQ(p->exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
}

TEST_F(ProfileTest, TwoCopiesCountingAtOnceLoseNoIncrement) {
    RunConcurrently(app, 2, 500);
    EXPECT_EQ(Get("solved", 0), 1000);
}

TEST_F(ProfileTest, EveryReadSeesWhatAnotherCopyJustWrote) {
    // Read (and so cache) the store, then let other processes change it
    // repeatedly; each read afterwards must see the latest value.
    for (int round = 1; round <= 20; ++round) {
        EXPECT_EQ(Get("solved", 0), round - 1);
        RunConcurrently(app, 1, 1);
        EXPECT_EQ(Get("solved", 0), round);
    }
}

}  // namespace
