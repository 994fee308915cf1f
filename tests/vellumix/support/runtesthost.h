// A TexCommandHost that records what the commands ask of the window, for the
// program-call tests.
#pragma once

#include "programcalls/texcommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QStringList>
#include <QThread>
#include <functional>

class RecordingRunHost : public TexCommandHost
{
public:
    QString main;
    // Set by selectMainFile when the user "chooses" a file; empty: the dialog is cancelled.
    QString choice;
    std::function<QString(const QString &)> expander = [](const QString &t) { return t; };
    std::function<void()> onSave;
    bool desktopResult = true;
    ProgramTemplates programTemplates;

    QStringList events;     // "save", "select", "open:<path>", "status:<path>", "desktop:<target>|<dir>", "error"
    QStringList errors;

    void saveModifiedEditors() override
    {
        events << QStringLiteral("save");
        if (onSave)
            onSave();
    }
    void showRunError(const QString &message) override
    {
        events << QStringLiteral("error");
        errors << message;
    }
    bool openWithDesktop(const QString &target, const QString &dir, QString *) override
    {
        events << QStringLiteral("desktop:") + target + QLatin1Char('|') + dir;
        return desktopResult;
    }
    QString mainFile() const override { return main; }
    bool selectMainFile() override
    {
        events << QStringLiteral("select");
        if (choice.isEmpty())
            return false;
        main = choice;
        return true;
    }
    QString expand(const QString &t) const override { return expander(t); }
    void openFile(const QString &path) override { events << QStringLiteral("open:") + path; }
    void showMainFile(const QString &path) override { events << QStringLiteral("status:") + path; }
    ProgramTemplates templates() const override { return programTemplates; }
};

// Waits (with a generous deadline, never as an assertion of speed) until the
// condition holds; detached programs report nothing back.
inline bool waitUntil(const std::function<bool()> &condition, int deadlineMs = 60000)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > deadlineMs)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
    return true;
}

// A copy of the test helper at programPath that appends its working directory and
// arguments to record (one tab-separated line per run).
inline bool makeRecordingHelper(const QString &programPath, const QString &record, const QString &helper)
{
    QDir().mkpath(QFileInfo(programPath).absolutePath());
    if (!QFile::copy(helper, programPath))
        return false;
    QFile::setPermissions(programPath, QFile::permissions(programPath) | QFile::ExeOwner | QFile::ExeUser);
    QFile side(programPath + QStringLiteral(".behave"));
    if (!side.open(QIODevice::WriteOnly))
        return false;
    side.write("record=" + record.toUtf8() + "\n");
    return true;
}

// The fields of the first recorded run, once the detached helper has written them.
inline QStringList recordedRun(const QString &record)
{
    QByteArray bytes;
    if (!waitUntil([&] {
            QFile f(record);
            bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            return bytes.endsWith('\n');
        }))
        return {};
    return QString::fromUtf8(bytes).section(QLatin1Char('\n'), 0, 0).split(QLatin1Char('\t'));
}
