// The shared test set-up of Scriblet: a Prompter that answers from prepared
// values and records what it was asked, window-less hosts for the tool runner and
// the project pane, a settings object on a fresh "Scriblet.ini", and a fixture
// with a real main frame in a temporary directory.
#pragma once

#include "common/cshellsettings.h"
#include "common/prompter.h"
#include "project/projecthost.h"
#include "resources/language.h"
#include "resources/strings.h"
#include "testsupport.h"
#include "tools/toolhost.h"
#include "tools/toolrunner.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QHash>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

// Answers every question from prepared values (a queue first, then a standing
// answer) and records what was asked.
class FakePrompter : public Prompter
{
public:
    // Answers.
    Answer questionAnswer = Answer::No;
    QList<int> choiceAnswers; // next choose() answers, taken in order
    int choiceAnswer = -1;    // then this one (-1: the escape button)
    QStringList openAnswers; // next open-dialog answers, taken in order
    QString openAnswer;      // then this one (empty: cancel)
    QStringList openNamesAnswer;
    QStringList saveAnswers; // next save-dialog answers, taken in order
    QString saveAnswer;      // then this one (empty: cancel)
    std::optional<QFont> fontAnswer;
    std::optional<QColor> colourAnswer;
    bool nameAccepted = true;
    QString projectName;
    int language = 0;

    // Records.
    QStringList messages;
    QStringList questions;
    QStringList choices; // choose(): the text of each box
    QStringList dialogTitles; // every file dialog's title, in order
    QStringList dialogFilters;
    QStringList proposedNames;
    QString saveSuffix;
    Overwrite saveOverwrite = Overwrite::Ask;
    int saveDialogs = 0;
    int programDialogs = 0;
    int nameDialogs = 0;
    int languageAsked = 0;
    int informationShown = 0;
    int aboutShown = 0;
    int beeps = 0;
    QList<QFont> fontsOffered;   // the font each font dialog started from
    QList<QColor> coloursOffered; // the colour each colour chooser started from

    // Called while the language dialog / a message box is up (the hand-over tests
    // look at the program's state there).
    std::function<void()> duringLanguageDialog;
    std::function<void(const QString &)> onMessage;

    void message(const QString &text, Icon, const QString &) override
    {
        messages << text;
        if (onMessage)
            onMessage(text);
    }
    Answer question(const QString &text, bool) override
    {
        questions << text;
        return questionAnswer;
    }
    int choose(const QString &, const QString &text, const QStringList &, int, int escapeIndex) override
    {
        choices << text;
        const int a = choiceAnswers.isEmpty() ? choiceAnswer : choiceAnswers.takeFirst();
        return a < 0 ? escapeIndex : a;
    }
    QString openFileName(const QString &title, const QString &filter, const QString &) override
    {
        dialogTitles << title;
        dialogFilters << filter;
        return openAnswers.isEmpty() ? openAnswer : openAnswers.takeFirst();
    }
    QStringList openFileNames(const QString &title, const QString &filter, const QString &) override
    {
        dialogTitles << title;
        dialogFilters << filter;
        return openNamesAnswer;
    }
    QString openProgramName(const QString &title, const QString &filter) override
    {
        ++programDialogs;
        return openFileName(title, filter, QString());
    }
    QString saveFileName(const QString &title, const QString &filter, const QString &suggested,
                         const QString &defaultSuffix, Overwrite overwrite) override
    {
        ++saveDialogs;
        dialogTitles << title;
        dialogFilters << filter;
        proposedNames << suggested;
        saveSuffix = defaultSuffix;
        saveOverwrite = overwrite;
        return saveAnswers.isEmpty() ? saveAnswer : saveAnswers.takeFirst();
    }
    bool chooseFont(QFont *font) override
    {
        fontsOffered << *font;
        if (!fontAnswer)
            return false;
        *font = *fontAnswer;
        return true;
    }
    bool chooseColour(QColor *colour) override
    {
        coloursOffered << *colour;
        if (!colourAnswer)
            return false;
        *colour = *colourAnswer;
        return true;
    }
    bool askProjectName(QString *name) override
    {
        ++nameDialogs;
        if (!nameAccepted)
            return false;
        *name = projectName;
        return true;
    }
    int chooseLanguage() override
    {
        ++languageAsked;
        if (duringLanguageDialog)
            duringLanguageDialog();
        return language;
    }
    void showInformation() override { ++informationShown; }
    void showAbout() override { ++aboutShown; }
    void beep() override { ++beeps; }
};

// A project host that records what the project pane asked of the main window.
struct OpenedDocument {
    QString path;
    int line = 0;
    QString searchText;
    QString command;
};

class FakeProjectHost : public ProjectHost
{
public:
    bool openDocument(const QString &path, int line, const QString &searchText, const QString &command) override
    {
        opened.append({path, line, searchText, command});
        return true;
    }
    void setMainDocument(const QString &tex, const QString &path) override
    {
        maintex = tex;
        mainpath = path;
        ++mainDocumentWrites;
    }
    void clearMainDocument() override
    {
        maintex.clear();
        ++mainDocumentWrites;
    }
    void setMainDocumentStatus(const QString &text) override { status = text; }
    void raiseNeedsTexRun() override { ++needsTexRun; }
    QStringList umlautReplacements() const override { return umlauts; }

    QStringList umlauts{"\"a", "\"A", "\"o", "\"O", "\"u", "\"U", "\"s"};
    QList<OpenedDocument> opened;
    QString maintex;
    QString mainpath;
    int mainDocumentWrites = 0;
    QString status;
    int needsTexRun = 0;
};

// A window-less host and display for the tool runner: documents on disk, and a
// journal of what happened, in order ("save a.tex", "log", "toc", "toc after
// failure", "wait <status>", "done", "activate", "open <path>:<line>").
struct FakeDocument {
    QString path; // empty: untitled
    QString title;
    QByteArray text;
    bool modified = false;
};

class FakeToolHost : public ToolHost, public ToolRunner::Display
{
public:
    QList<FakeDocument> documents;
    int active = -1; // index into documents, -1: no active child
    bool projectLoaded = false;
    bool texRunNeeded = false;
    QStringList journal;
    QString logText;
    LogAnalysis lastLog;
    QString runStatus;
    QString mainStatus;
    int keepAliveCalls = 0;

    // Adds a document whose file exists with the given text; makes it active.
    FakeDocument &open(const QString &path, const QByteArray &text)
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(text);
        documents.append({path, path.mid(path.lastIndexOf('/') + 1), text, false});
        active = int(documents.size()) - 1;
        return documents.last();
    }
    void edit(int i, const QByteArray &text)
    {
        documents[i].text = text;
        documents[i].modified = true;
    }

    bool saveModifiedDocuments() override
    {
        bool any = false;
        for (FakeDocument &d : documents) {
            if (!d.modified || d.path.isEmpty())
                continue;
            QFile f(d.path);
            if (f.open(QIODevice::WriteOnly) && f.write(d.text) == d.text.size()) {
                d.modified = false;
                any = true;
                journal << QStringLiteral("save ") + d.title;
            }
        }
        return any;
    }
    bool hasOpenDocuments() const override { return !documents.isEmpty(); }
    std::optional<ActiveDocument> activeDocument() const override
    {
        if (active < 0 || active >= documents.size())
            return std::nullopt;
        const FakeDocument &d = documents[active];
        return ActiveDocument{d.modified ? d.title + QStringLiteral(" *") : d.title, d.path};
    }
    void activateMainWindow() override { journal << QStringLiteral("activate"); }
    void setMainDocumentStatus(const QString &text) override { mainStatus = text; }
    bool needsTexRun() const override { return texRunNeeded; }
    void setNeedsTexRun(bool on) override { texRunNeeded = on; }
    bool isProjectLoaded() const override { return projectLoaded; }
    void refreshTableOfContents(bool runFailed) override
    {
        journal << (runFailed ? QStringLiteral("toc after failure") : QStringLiteral("toc"));
    }
    bool openDocumentAt(const QString &path, int line) override
    {
        journal << QStringLiteral("open %1:%2").arg(path).arg(line);
        return true;
    }

    void beginWaitedRun(const QString &status) override { journal << QStringLiteral("wait ") + status; }
    void endWaitedRun() override { journal << QStringLiteral("done"); }
    void keepAlive() override { ++keepAliveCalls; }
    void showLog(const LogAnalysis &log) override
    {
        lastLog = log;
        logText = log.text();
        journal << QStringLiteral("log");
    }
    void showRunStatus(int textId, const QStringList &args) override { runStatus = Str::format(textId, args); }
};

// Records every start instead of starting; programs named in `missing` fail to
// start, those in `cancelled` end as a waited run ended with Escape does, and
// `output` files are written by the run named (as a tool writes its log).
class RecordingLauncher : public ToolLauncher
{
public:
    explicit RecordingLauncher(QStringList *journal) : m_journal(journal) {}
    QStringList missing;
    QStringList cancelled;
    QHash<QString, QPair<QString, QByteArray>> output; // program -> (path, bytes)
    int exitCode = 0;

    HostProcess::Result run(const QString &exe, const QStringList &args, const QString &dir, bool wait,
                            const std::function<void()> &keepAlive) override
    {
        HostProcess::Result r;
        r.started = !missing.contains(exe);
        *m_journal << QStringLiteral("%1 %2 [%3] in %4").arg(wait ? "run" : "start", exe, args.join('|'), dir);
        if (!r.started) {
            r.error = QStringLiteral("not found");
            return r;
        }
        if (wait && keepAlive)
            keepAlive();
        if (output.contains(exe)) {
            QFile f(output[exe].first);
            if (f.open(QIODevice::WriteOnly))
                f.write(output[exe].second);
        }
        r.exitCode = exitCode;
        if (cancelled.contains(exe)) {
            r.exitCode = -1;
            r.error = QStringLiteral("cancelled");
        }
        return r;
    }

private:
    QStringList *m_journal;
};

// The message after a program that could not start: the documented text, then the
// program and the reason.
inline QString startFailedMessage(const QString &exe, const QString &reason)
{
    return QString::fromUtf8("Ein oder mehr Fehler traten auf!\nBitte die Einstellungen überprüfen!\n\nProgramm: ")
           + exe + QStringLiteral("\nGrund: ") + reason;
}

// A settings object on a fresh "Scriblet.ini" in dir, with the tool defaults read
// as the main frame reads them and the viewers given.
inline std::unique_ptr<CShellSettings> makeToolSettings(const QString &dir, const QString &dviViewer,
                                                        const QString &psViewer)
{
    auto s = std::make_unique<CShellSettings>(dir);
    s->dviViewerLookup = [dviViewer] { return dviViewer; };
    s->psViewerLookup = [psViewer] { return psViewer; };
    s->readToolSettings();
    s->readMainDocument();
    s->readUserTools();
    return s;
}

// The language files the build made; every test ends in German, the built-in language.
inline const QString LanguageDir = QStringLiteral(SCRIBLET_LANGUAGE_DIR);
inline void backToGerman() { Language::activate(Language::German, LanguageDir); }

// A temporary home with a FakePrompter; the current directory and the language
// are restored afterwards. Window-less tests use it as it is.
class ScribletTest : public testsupport::TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        m_oldCwd = QDir::currentPath();
    }
    void TearDown() override
    {
        backToGerman();
        QDir::setCurrent(m_oldCwd);
        TempDirTest::TearDown();
    }
    // Writes a file below the temporary directory and returns its path.
    QString file(const QString &name, const QByteArray &bytes = "x\n")
    {
        testsupport::writeFile(path(name), bytes);
        return path(name);
    }

    FakePrompter m_prompter;
    QString m_oldCwd;
};
