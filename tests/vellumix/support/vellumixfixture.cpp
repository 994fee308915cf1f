#include "vellumixfixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

const QByteArray TexDocument = "\\documentclass{article}\n\\begin{document}\n\\section{One}\nHello.\n\\end{document}\n";

void ScriptedPrompter::showError(const QString &text)
{
    asked << text;
    messages << QStringLiteral("error: ") + text;
    errors << text;
    if (onError)
        onError(text);
}

void ScriptedPrompter::showWarning(const QString &text)
{
    asked << text;
    messages << QStringLiteral("warning: ") + text;
}

void ScriptedPrompter::showInformation(const QString &text)
{
    asked << text;
    messages << QStringLiteral("info: ") + text;
}

bool ScriptedPrompter::askText(const QString &caption, const QString &, QString *answer)
{
    dialogTitles << caption;
    if (texts.isEmpty())
        return false;
    *answer = texts.takeFirst();
    return true;
}

Prompter::Answer ScriptedPrompter::next(const QString &text)
{
    asked << text;
    messages << QStringLiteral("ask: ") + text;
    return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
}

QString ScriptedPrompter::nextFile(const QString &title, int *filterIndex)
{
    dialogTitles << title;
    if (files.isEmpty())
        return QString();
    if (filterIndex)
        *filterIndex = filterIndexes.isEmpty() ? 1 : filterIndexes.takeFirst();
    return files.takeFirst();
}

void RecordingEditorHost::addRecentFile(const QString &path)
{
    recent.removeAll(path);
    recent.prepend(path);
}

void RecordingEditorHost::replaceFirstRecentFile(const QString &path)
{
    if (recent.isEmpty())
        recent.append(path);
    else
        recent[0] = path;
}

bool RecordingEditorHost::openDocument(const QString &path, const QString &)
{
    desktopOpened << path;
    return true;
}

void RecordingEditorHost::setAppearance(const ClassFonts &newFonts, const QColor &newBackground)
{
    fonts = newFonts;
    background = newBackground;
}

RecordingProgramCallsHost::RecordingProgramCallsHost()
{
    prompts.onError = [this](const QString &text) {
        events << QStringLiteral("error");
        errors << text;
    };
}

void RecordingProgramCallsHost::saveModifiedEditors()
{
    events << QStringLiteral("save");
    if (onSave)
        onSave();
}

PlaceholderContext RecordingProgramCallsHost::placeholderContext() const
{
    PlaceholderContext ctx = editorContext;
    ctx.mainFile = main;
    return ctx;
}

void RecordingProgramCallsHost::openFile(const QString &path, int line)
{
    events << QStringLiteral("open:") + path + (line > 0 ? QStringLiteral("@%1").arg(line) : QString());
}

void RecordingProgramCallsHost::showLine(const QString &path, int line)
{
    events << QStringLiteral("line:%1@%2").arg(path).arg(line);
}

bool RecordingProgramCallsHost::selectMainFile()
{
    events << QStringLiteral("select");
    if (choice.isEmpty())
        return false;
    main = choice;
    return true;
}

bool waitUntil(const std::function<bool()> &condition, int deadlineMs)
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

bool makeRecordingHelper(const QString &programPath, const QString &record, const QString &helper,
                         const QByteArray &moreBehaviour)
{
    QDir().mkpath(QFileInfo(programPath).absolutePath());
    if (!QFile::copy(helper, programPath))
        return false;
    QFile::setPermissions(programPath, QFile::permissions(programPath) | QFile::ExeOwner | QFile::ExeUser);
    QFile side(programPath + QStringLiteral(".behave"));
    if (!side.open(QIODevice::WriteOnly))
        return false;
    side.write("record=" + record.toUtf8() + "\n" + moreBehaviour);
    return true;
}

QString makeFakeChecker(const QString &programPath, const QStringList &behaviour)
{
    QDir().mkpath(QFileInfo(programPath).absolutePath());
    if (!QFile::link(testsupport::helperPath(), programPath))
        return QString();
    QFile side(programPath + QStringLiteral(".behave"));
    if (!side.open(QIODevice::WriteOnly))
        return QString();
    side.write(behaviour.join(QLatin1Char('\n')).toUtf8() + '\n');
    return programPath;
}

QStringList recordedRun(const QString &record)
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

void PrintTo(const UserTemplate &t, std::ostream *os)
{
    *os << "{" << t.name.toStdString() << " | " << t.part1.toStdString() << " | " << t.part2.toStdString() << "}";
}
