#include "app/editorwiring.h"

#include "editor/editormessages.h"
#include "app/tframeform.h"
#include "programcalls/programcalls.h"
#include "platform/associations.h"

#include <QDir>
#include <QInputDialog>

ClassFonts FrameEditorHost::classFonts() const { return m_frame->classFonts(); }

QColor FrameEditorHost::backgroundColor() const { return m_frame->backgroundColor(); }

EditorOptions FrameEditorHost::editorOptions() const
{
    EditorOptions o;
    o.wordWrap = m_frame->wordWrap();
    o.lineSpecials = m_frame->lineSpecials();
    o.createBackup = m_frame->createBackup();
    o.syntaxColoring = m_frame->syntaxColoring();
    return o;
}

QString FrameEditorHost::mainFile() const { return m_frame->mainFile(); }

void FrameEditorHost::addRecentFile(const QString &path) { m_frame->addRecent(path); }

void FrameEditorHost::replaceFirstRecentFile(const QString &path) { m_frame->replaceFirstRecent(path); }

void FrameEditorHost::openFile(const QString &path, int format, int line)
{
    m_frame->openFile(path, openFormatFromIndex(format), line);
}

bool FrameEditorHost::openWithDesktop(const QString &path, const QString &workingDir)
{
    // With the program calls installed, Open starts the file as Run does (the error box included).
    if (auto *calls = m_frame->findChild<TProgramCalls *>())
        return calls->openDocument(path, workingDir);
    QString error;
    if (Associations::openWithDesktop(path, workingDir, &error))
        return true;
    m_frame->prompter()->showError(error.isEmpty() ? QStringLiteral("Unable to open %1").arg(QDir::toNativeSeparators(path))
                                                   : error);
    return false;
}

bool FrameEditorHost::runCommandLine(const QString &commandLine)
{
    m_frame->runCommandLine(commandLine);
    return true;
}

void FrameEditorHost::setMainFile(const QString &path) { m_frame->setMainFile(path); }

void FrameEditorPrompter::information(const QString &text) { m_frame->prompter()->showInformation(text); }

void FrameEditorPrompter::warning(const QString &text) { m_frame->prompter()->showWarning(text); }

void FrameEditorPrompter::error(const QString &text) { m_frame->prompter()->showError(text); }

EditorPrompter::Answer FrameEditorPrompter::askSave(const QString &text)
{
    switch (m_frame->prompter()->askYesNoCancel(text)) {
    case Prompter::Answer::Yes:
        return Answer::Yes;
    case Prompter::Answer::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString FrameEditorPrompter::saveFileName(const QString &current, int *filterIndex)
{
    return m_frame->prompter()->chooseSaveFile(QStringLiteral("Save As"),
                                               QStringLiteral("TeX Files (*.tex)|*.tex|DOS OEM Text Format (*.tex)|*.tex"),
                                               QStringLiteral("tex"), current, filterIndex);
}

bool FrameEditorPrompter::askLine(QString *answer)
{
    bool ok = false;
    *answer = QInputDialog::getText(m_frame, EditorMessages::GoToLineCaption, EditorMessages::GoToLinePrompt,
                                    QLineEdit::Normal, QString(), &ok);
    return ok;
}
