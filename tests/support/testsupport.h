// Test support shared by every test binary.
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QThread>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <ostream>

// Readable failures for Qt strings.
void PrintTo(const QString &s, std::ostream *os);
void PrintTo(const QByteArray &s, std::ostream *os);

namespace testsupport {

// Path of the process helper (see testhelper.cpp for its behaviours).
QString helperPath();
// Directory of the checked-in fixtures (tests/data).
QString dataDir();
// Whole file as bytes; empty when missing.
QByteArray readAll(const QString &path);
// Writes bytes, creating parent directories; fails the test on error.
void writeFile(const QString &path, const QByteArray &bytes);
// True when the named program is found on PATH (for tests that need TeX Live or ispell).
bool haveProgram(const QString &name);

// The command line that runs program with arguments as the user "nobody" (through
// setpriv), for tests of what another local user can do; empty when this process
// cannot switch users (not root, or no setpriv).
QStringList asOtherUser(const QString &program, const QStringList &arguments = {});
// The uid of that user.
constexpr uint OtherUserId = 65534;

// Runs the event loop for about ms milliseconds (for signals that must not come).
void processEventsFor(int ms);

// Runs f while files may grow to 64 bytes at most: a full disk, even for root.
void withFullDisk(const std::function<void()> &f);

// Polls until the condition holds; the limit only ends a broken run.
template<typename F> bool waitFor(F cond, int limitMs = 60000)
{
    QDeadlineTimer limit(limitMs);
    while (!cond() && !limit.hasExpired())
        QThread::msleep(50);
    return cond();
}

// Fixture with a fresh temporary directory that also serves as HOME and
// XDG_CONFIG_HOME, so that no test touches the real user's files.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    QString path(const QString &relative = QString()) const;
    QTemporaryDir m_dir;
private:
    QByteArray m_oldHome, m_oldXdg, m_oldState;
};

} // namespace testsupport
