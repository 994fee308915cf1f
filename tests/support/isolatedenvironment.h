// The environment of a whole-program test run: every per-user directory a program
// may use (HOME, the XDG directories, TMPDIR and XDG_RUNTIME_DIR, where
// single-instance sockets live) lies in a fresh directory of the test, so that a
// copy of the program the user runs on the same machine never sees the test's
// instances, and the other way round.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QString>

namespace testsupport {

// The system environment with the per-user directories moved below root (created
// here; the runtime directory with owner-only access, as the XDG rules ask).
inline QProcessEnvironment isolatedEnvironment(const QString &root)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const struct {
        const char *name;
        const char *dir;
    } dirs[] = {
        {"HOME", ""},
        {"XDG_CONFIG_HOME", "/.config"},
        {"XDG_DATA_HOME", "/.local/share"},
        {"XDG_STATE_HOME", "/.local/state"},
        {"XDG_CACHE_HOME", "/.cache"},
        {"TMPDIR", "/tmp"},
        {"XDG_RUNTIME_DIR", "/run"},
    };
    for (const auto &d : dirs) {
        const QString path = root + QLatin1String(d.dir);
        QDir().mkpath(path);
        env.insert(QLatin1String(d.name), path);
    }
    QFile::setPermissions(root + QStringLiteral("/run"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return env;
}

} // namespace testsupport
