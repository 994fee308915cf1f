// A frame stand-in for editor tests: settable fonts and options, and a record of
// what the editor asked the frame and the user.
#pragma once

#include "editor/editorhost.h"
#include "editor/editorprompter.h"

#include <QStringList>
#include <deque>

class TestHost : public EditorHost {
public:
    ClassFonts fonts;
    QColor background = Qt::white;
    EditorOptions options;
    QString main;
    QStringList recent;
    QStringList opened;
    QStringList desktopOpened;
    QStringList commands;

    ClassFonts classFonts() const override { return fonts; }
    QColor backgroundColor() const override { return background; }
    EditorOptions editorOptions() const override { return options; }
    QString mainFile() const override { return main; }
    void addRecentFile(const QString &path) override
    {
        recent.removeAll(path);
        recent.prepend(path);
    }
    void replaceFirstRecentFile(const QString &path) override
    {
        if (recent.isEmpty())
            recent.append(path);
        else
            recent[0] = path;
    }
    void openFile(const QString &path, int, int) override { opened << path; }
    bool openWithDesktop(const QString &path, const QString &) override
    {
        desktopOpened << path;
        return true;
    }
    bool runCommandLine(const QString &commandLine) override
    {
        commands << commandLine;
        return true;
    }
};

class TestPrompter : public EditorPrompter {
public:
    QStringList messages; // "info: ...", "warning: ...", "error: ...", "ask: ..."
    std::deque<Answer> answers;
    QString saveName;
    int saveFilter = 1;
    QString lineAnswer;

    void information(const QString &text) override { messages << "info: " + text; }
    void warning(const QString &text) override { messages << "warning: " + text; }
    void error(const QString &text) override { messages << "error: " + text; }
    Answer askSave(const QString &text) override
    {
        messages << "ask: " + text;
        if (answers.empty())
            return Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString saveFileName(const QString &, int *filterIndex) override
    {
        *filterIndex = saveFilter;
        return saveName;
    }
    bool askLine(QString *answer) override
    {
        *answer = lineAnswer;
        return true;
    }
};
