#include "editor/editorcommands.h"

#include "editor/editorhost.h"
#include "editor/tappearancedialog.h"
#include "editor/teditform.h"
#include "editor/tfinddialog.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QWidget>

EditorCommands::EditorCommands(EditorHost &host, QWidget *window)
    : QObject(window), m_host(host), m_find(new TFindDialog(TFindDialog::Mode::Find, window)),
      m_replace(new TFindDialog(TFindDialog::Mode::Replace, window)), m_appearance(new TAppearanceDialog(window))
{
    setObjectName(QStringLiteral("EditorCommands"));
    m_actions.find = makeAction("Find1", QStringLiteral("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    m_actions.replace = makeAction("Replace1", QStringLiteral("&Replace..."), QKeySequence(Qt::CTRL | Qt::Key_R));
    m_actions.searchAgain = makeAction("SearchAgain1", QStringLiteral("&Search Again"), QKeySequence(Qt::Key_F3));
    m_actions.findBrace = makeAction("FindBrace1", QStringLiteral("F&ind {}"), QKeySequence(Qt::Key_F9));
    m_actions.goToLine = makeAction("GoToLine1", QStringLiteral("&Go To Line..."));
    m_actions.updateSelection = makeAction("UpdateSelection1", QStringLiteral("&Update Selection"));
    m_actions.appearance = makeAction("Appearance1", QStringLiteral("&Appearance..."));
    connect(m_actions.find, &QAction::triggered, this, &EditorCommands::onFind);
    connect(m_actions.replace, &QAction::triggered, this, &EditorCommands::onReplace);
    connect(m_actions.searchAgain, &QAction::triggered, this, &EditorCommands::onSearchAgain);
    connect(m_actions.findBrace, &QAction::triggered, this, &EditorCommands::onFindBrace);
    connect(m_actions.goToLine, &QAction::triggered, this, &EditorCommands::onGoToLine);
    connect(m_actions.updateSelection, &QAction::triggered, this, &EditorCommands::onUpdateSelection);
    connect(m_actions.appearance, &QAction::triggered, this, &EditorCommands::onAppearance);

    connect(m_find, &TFindDialog::findNextRequested, this, [this] {
        if (TEditForm *e = m_host.activeEditor())
            e->findNext(m_find->options());
    });
    connect(m_replace, &TFindDialog::findNextRequested, this, [this] {
        if (TEditForm *e = m_host.activeEditor())
            e->replaceFindNext(m_replace->options());
    });
    connect(m_replace, &TFindDialog::replaceRequested, this, [this] {
        if (TEditForm *e = m_host.activeEditor())
            e->replaceOnce(m_replace->options());
    });
    connect(m_replace, &TFindDialog::replaceAllRequested, this, [this] {
        if (TEditForm *e = m_host.activeEditor())
            e->replaceAll(m_replace->options());
    });
    refreshStates();
}

QAction *EditorCommands::makeAction(const char *name, const QString &caption, const QKeySequence &key)
{
    auto *a = new QAction(caption, this);
    a->setObjectName(QLatin1String(name));
    if (!key.isEmpty())
        a->setShortcut(key);
    return a;
}

void EditorCommands::activeEditorChanged(TEditForm *editor)
{
    // Shortcuts act while the menus are closed: the states follow the caret.
    disconnect(m_cursorWatch);
    disconnect(m_selectionWatch);
    if (editor) {
        m_cursorWatch = connect(editor->editor(), &QPlainTextEdit::cursorPositionChanged, this,
                                &EditorCommands::refreshStates);
        m_selectionWatch = connect(editor->editor(), &QPlainTextEdit::selectionChanged, this,
                                   &EditorCommands::refreshStates);
    }
    refreshStates();
}

void EditorCommands::refreshStates()
{
    TEditForm *e = m_host.activeEditor();
    m_actions.find->setEnabled(e);
    m_actions.replace->setEnabled(e);
    m_actions.goToLine->setEnabled(e);
    m_actions.searchAgain->setEnabled(e && !m_find->options().text.isEmpty());
    m_actions.findBrace->setEnabled(e && e->canMatchBrace());
    m_actions.updateSelection->setEnabled(e && m_host.editorOptions().syntaxColoring
                                          && e->editor()->textCursor().hasSelection());
}

void EditorCommands::onFind()
{
    if (TEditForm *e = m_host.activeEditor()) {
        const QString sel = e->editor()->textCursor().selectedText();
        if (!sel.isEmpty() && !sel.contains(QChar::ParagraphSeparator))
            m_find->setFindText(sel);
    }
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

void EditorCommands::onReplace()
{
    m_replace->show();
    m_replace->raise();
    m_replace->activateWindow();
}

void EditorCommands::onSearchAgain()
{
    TEditForm *e = m_host.activeEditor();
    if (e && !m_find->options().text.isEmpty())
        e->findNext(m_find->options());
}

void EditorCommands::onFindBrace()
{
    if (TEditForm *e = m_host.activeEditor())
        if (e->canMatchBrace())
            e->matchBrace();
}

void EditorCommands::onGoToLine()
{
    if (TEditForm *e = m_host.activeEditor())
        e->goToLineDialog();
}

void EditorCommands::onUpdateSelection()
{
    if (TEditForm *e = m_host.activeEditor())
        e->updateSelection();
}

void EditorCommands::onAppearance()
{
    ClassFonts fonts = m_host.classFonts();
    QColor background = m_host.backgroundColor();
    if (!m_appearance->edit(fonts, background))
        return;
    m_host.setAppearance(fonts, background);
    TAppearanceDialog::applyToEditors(m_host.editors());
}

void EditorCommands::syntaxColoringChanged()
{
    TAppearanceDialog::applyToEditors(m_host.editors());
    refreshStates();
}

void EditorCommands::wordWrapChanged()
{
    for (TEditForm *e : m_host.editors())
        e->applyWordWrap();
}
