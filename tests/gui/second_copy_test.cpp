// A second start of the window program against the copy already running for the same user.

#include "gui/single_copy.h"
#include "gui/window_fixture.h"
#include "platform/named_lock.h"
#include "support/temp_tree.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <sys/stat.h>

namespace {

class SecondCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApplication();
        tree_.folder("run");
        ::chmod(tree_.path("run").c_str(), 0700);
        tree_.folder("config");
        // A runtime and configuration folder of the test's own: no other test or copy meets it.
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert("XDG_RUNTIME_DIR", QString::fromStdString(tree_.path("run")));
        env_.insert("XDG_CONFIG_HOME", QString::fromStdString(tree_.path("config")));
        env_.insert("HOME", QString::fromStdString(tree_.path()));
        env_.insert("QT_QPA_PLATFORM", "offscreen");
    }
    void TearDown() override {
        for (QProcess* copy : {&first_, &second_}) {
            if (copy->state() == QProcess::NotRunning) continue;
            copy->kill();
            copy->waitForFinished(5000);
        }
    }

    void startCopy(QProcess& copy) {
        copy.setProcessEnvironment(env_);
        copy.start(QString::fromLatin1(TESSALINE_BIN_DIR) + "/tessaline", {});
        ASSERT_TRUE(copy.waitForStarted(10000));
    }
    QString socketPath() const {
        return QString::fromStdString(tree_.path("run/tessaline.socket"));
    }

    // True once the running copy answers a show request, as a second start would send it.
    bool answers(int withinMs) {
        const QDeadlineTimer deadline(withinMs);
        while (!deadline.hasExpired()) {
            if (tessaline::gui::AskRunningCopyToShow(socketPath(), 500)) return true;
            if (first_.state() == QProcess::NotRunning) return false;
            QThread::msleep(50);
        }
        return false;
    }

    TempTree tree_;
    QProcessEnvironment env_;
    QProcess first_;
    QProcess second_;
};

TEST_F(SecondCopyTest, SecondStartBringsTheRunningWindowForwardAndEndsWithTen) {
    startCopy(first_);
    ASSERT_TRUE(answers(30000)) << first_.readAllStandardError().toStdString();
    // Only this user may connect.
    const QFileInfo socket(socketPath());
    EXPECT_EQ(socket.permissions() &
                  (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());

    startCopy(second_);
    ASSERT_TRUE(second_.waitForFinished(30000));
    EXPECT_EQ(second_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second_.exitCode(), 10);
    // The second copy says so when the running one did not answer its request.
    EXPECT_EQ(second_.readAllStandardError().toStdString(), "");
    EXPECT_EQ(first_.state(), QProcess::Running);
    EXPECT_TRUE(answers(5000));
}

TEST_F(SecondCopyTest, ASocketLeftByACrashedCopyIsReplaced) {
    // What a copy that crashed leaves behind at the socket's place.
    tree_.write("run/tessaline.socket", "");
    startCopy(first_);
    EXPECT_TRUE(answers(30000)) << first_.readAllStandardError().toStdString();
}

TEST_F(SecondCopyTest, ACopyThatDoesNotAnswerIsReported) {
    // A holder of the lock that listens nowhere: the second start still ends with ten and says
    // why nothing came to the front.
    auto lock = tessaline::NamedLock::TryAcquire("tessaline",
                                                 tessaline::LockPlaces{tree_.path("run"), "/tmp"});
    ASSERT_TRUE(lock);
    startCopy(second_);
    ASSERT_TRUE(second_.waitForFinished(30000));
    EXPECT_EQ(second_.exitCode(), 10);
    EXPECT_NE(second_.readAllStandardError().toStdString().find("did not answer"),
              std::string::npos);
}

} // namespace
