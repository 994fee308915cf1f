// The shared fixture of Vellumix's tests: a scripted Prompter, recording stand-ins
// for the features' host interfaces, the helpers of the process tests, and
// VellumixTest, whose frame is built the way the program builds it (every feature
// wired in) on a program directory of its own.
#pragma once

#include "cleanup/cleanuphost.h"
#include "common/prompter.h"
#include "editor/editorhost.h"
#include "programcalls/programcallshost.h"
#include "templates/templateshost.h"
#include "templates/usertemplates.h"
#include "testsupport.h"
#include "toolboxes/toolboxhost.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>

class QAction;
class QDialog;
class QMenu;
class TEditForm;
class TFrameForm;

// Answers come from queues; every question and message is recorded.
class ScriptedPrompter : public Prompter
{
public:
    QList<Answer> answers;       // for askYesNoCancel / askRetryCancel; Cancel when empty
    QStringList files;           // for the file dialogs; cancelled when empty
    QList<int> filterIndexes;    // chosen filter per file answer (1 when missing)
    QStringList texts;           // for askText; cancelled when empty
    QStringList asked;           // every question, error, warning and information text
    QStringList messages;        // the same with their kind: "ask: ", "error: ", "warning: ", "info: "
    QStringList errors;
    QStringList dialogTitles;    // file dialogs and input boxes, in order
    QStringList dialogFilters;   // the filters of the file dialogs, in order
    std::function<void(const QString &)> onError;  // called for each error as well

    Answer askYesNoCancel(const QString &text) override { return next(text); }
    Answer askRetryCancel(const QString &text) override { return next(text); }
    void showError(const QString &text) override;
    void showWarning(const QString &text) override;
    void showInformation(const QString &text) override;
    bool askText(const QString &caption, const QString &label, QString *answer) override;
    QString chooseOpenFile(const QString &title, const QString &filters, const QString &, int *filterIndex) override
    {
        dialogFilters << filters;
        return nextFile(title, filterIndex);
    }
    QString chooseSaveFile(const QString &title, const QString &, const QString &, const QString &,
                           int *filterIndex) override
    {
        return nextFile(title, filterIndex);
    }

private:
    Answer next(const QString &text);
    QString nextFile(const QString &title, int *filterIndex);
};

// The editors' host without a frame: settable fonts and options, and a record of
// what the editors asked for.
class RecordingEditorHost : public EditorHost
{
public:
    ClassFonts fonts;
    QColor background = Qt::white;
    EditorOptions options;
    QString main;
    ScriptedPrompter prompts;
    QStringList recent;
    QStringList opened;
    QStringList desktopOpened;
    QStringList commands;

    ClassFonts classFonts() const override { return fonts; }
    QColor backgroundColor() const override { return background; }
    EditorOptions editorOptions() const override { return options; }
    QString mainFile() const override { return main; }
    Prompter &prompter() override { return prompts; }
    // Editors without a frame are nobody's: no active editor, no list.
    TEditForm *activeEditor() const override { return nullptr; }
    QList<TEditForm *> editors() const override { return {}; }
    void addRecentFile(const QString &path) override;
    void replaceFirstRecentFile(const QString &path) override;
    void openFile(const QString &path, OpenFormat, int) override { opened << path; }
    bool openDocument(const QString &path, const QString &) override;
    void runCommandLine(const QString &commandLine) override { commands << commandLine; }
    void setAppearance(const ClassFonts &newFonts, const QColor &newBackground) override;
};

// The program calls' host without a frame: records what the commands ask of it.
class RecordingProgramCallsHost : public ProgramCallsHost
{
public:
    RecordingProgramCallsHost();

    QString main;
    // Set by selectMainFile when the user "chooses" a file; empty: the dialog is cancelled.
    QString choice;
    // The active editor the placeholders see (none unless set); the main file is main.
    PlaceholderContext editorContext;
    std::function<void()> onSave;
    ProgramTemplates programTemplates;
    ScriptedPrompter prompts;

    // "save", "select", "open:<path>" (with "@<line>" for a line), "line:<path>@<line>",
    // "status:<path>", "error"
    QStringList events;
    QStringList errors;
    // What the compile panel showed, in order.
    QStringList statuses;

    Prompter &prompter() override { return prompts; }
    void saveModifiedEditors() override;
    QString mainFile() const override { return main; }
    bool selectMainFile() override;
    PlaceholderContext placeholderContext() const override;
    void openFile(const QString &path, int line) override;
    void showLine(const QString &path, int line) override;
    void showMainFile(const QString &path) override { events << QStringLiteral("status:") + path; }
    void showStatus(const QString &text) override { statuses << text; }
    ProgramTemplates templates() const override { return programTemplates; }
    void setTemplates(const ProgramTemplates &t) override { programTemplates = t; }
};

// The templates' and the toolboxes' host without a frame: records what they insert.
class RecordingInsertHost : public TemplatesHost, public ToolboxHost
{
public:
    ScriptedPrompter prompts;
    QList<std::pair<QString, QString>> inserts;  // (before, after)
    QStringList names;                           // the user templates' names
    QList<int> insertedTemplates;
    QStringList helpTopics;
    int focusRequests = 0;

    Prompter &prompter() override { return prompts; }
    void insert(const QString &before, const QString &after) override { inserts.append({before, after}); }
    void focusFrame() override { ++focusRequests; }
    QStringList userTemplateNames() const override { return names; }
    void insertUserTemplate(int index) override { insertedTemplates << index; }
    void showHelp(const QString &topic) override { helpTopics << topic; }
};

void PrintTo(const UserTemplate &t, std::ostream *os);

// Runs f on the next modal dialog once it is shown (f must close it); widget tests only.
void onNextModal(const std::function<void(QDialog *)> &f);

// A small LaTeX document that compiles (one section).
extern const QByteArray TexDocument;

// The clean-up's host without a frame: a fixed folder.
class FolderCleanUpHost : public CleanUpHost
{
public:
    QString folder;
    QString cleanUpDirectory() const override { return folder; }
};

// Waits (with a generous deadline, never as an assertion of speed) until the
// condition holds, letting events run; detached programs report nothing back.
bool waitUntil(const std::function<bool()> &condition, int deadlineMs = 60000);
// A copy of the test helper at programPath that appends its working directory and
// arguments to record (one tab-separated line per run); more "key=value" lines of its
// behaviour may follow (see testhelper.cpp).
bool makeRecordingHelper(const QString &programPath, const QString &record, const QString &helper,
                         const QByteArray &moreBehaviour = QByteArray());
// The fields of the first recorded run, once the detached helper has written them.
QStringList recordedRun(const QString &record);

// A stand-in for a spell checker at programPath: a link to the test helper whose
// behaviours (see testhelper.cpp) are the given "key=value" lines. Returns the path,
// empty on failure.
QString makeFakeChecker(const QString &programPath, const QStringList &behaviour);
// Skips the test, saying why, when ispell is not installed (CI installs it).
#define SKIP_WITHOUT_ISPELL()                                                                                          \
    if (!testsupport::haveProgram(QStringLiteral("ispell")))                                                           \
    GTEST_SKIP() << "ispell is not installed (./dev test installs it with its dictionaries)"
// The English and German commands that work with this host's dictionaries.
inline const char *const EnglishSpellCommand = "ispell -t -d american -a";
inline const QString GermanSpellCommand = QStringLiteral("ispell -T latin1 -w \u00e4\u00f6\u00fc\u00c4\u00d6\u00dc\u00df -d ngerman -a");

// A fresh temporary home and program directory ("prog"), the current directory in
// the temporary directory, the scripted prompter and, on first use, the frame.
class VellumixTest : public testsupport::TempDirTest
{
protected:
    VellumixTest();
    ~VellumixTest() override;
    void SetUp() override;
    void TearDown() override;

    TFrameForm &frame();
    // Destroys the frame (as at the end of a run) and starts a new one that restores.
    void restart();
    // Shows the frame as the active window (shortcuts need one); true when it is.
    bool showFrameActive();
    // Closes the frame as the window manager does; true when it accepted.
    bool closeFrame();
    // The program directory's settings file.
    QString ini() const { return path("prog/Vellumix.ini"); }
    // Menus and items of the frame by objectName, as the user reaches them.
    QMenu *menu(const QString &objectName);
    QAction *action(const QString &objectName);
    void trigger(const char *objectName);
    // A new editor with the text and the range [from, to) selected.
    TEditForm *editorWith(const QString &text, int from, int to);
    // The editor's selection with '\n' between lines.
    static QString selection(TEditForm *e);
    // The main file doc/paper.tex with the text, chosen and opened through
    // File > "Main File..."; returns its editor.
    TEditForm *chooseMainFile(const QByteArray &text = TexDocument);
    // Waits until latex has written the log of stem (a path without extension).
    static bool waitForLatex(const QString &stem);
    // Every entry of a directory (hidden ones too), by name.
    static QStringList listing(const QString &dir);

    ScriptedPrompter prompter;
    std::unique_ptr<TFrameForm> m_frame;

private:
    QString m_oldCwd;
};
