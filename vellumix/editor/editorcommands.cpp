#include "editor/editorcommands.h"

#include "editor/tappearancedialog.h"
#include "editor/teditform.h"
#include "editor/tfinddialog.h"
#include "app/tframeform.h"
#include "common/vellumixsettings.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>

TEditorCommands::TEditorCommands(TFrameForm *frame)
    : QObject(frame), m_frame(frame), m_find(new TFindDialog(TFindDialog::Mode::Find, frame)),
      m_replace(new TFindDialog(TFindDialog::Mode::Replace, frame)), m_appearance(new TAppearanceDialog(frame))
{
    setObjectName(QStringLiteral("EditorCommands"));
    connect(add(QStringLiteral("Edit1"), "Find1", QStringLiteral("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F)),
            &QAction::triggered, this, &TEditorCommands::onFind);
    connect(add(QStringLiteral("Edit1"), "Replace1", QStringLiteral("&Replace..."), QKeySequence(Qt::CTRL | Qt::Key_R)),
            &QAction::triggered, this, &TEditorCommands::onReplace);
    connect(add(QStringLiteral("Edit1"), "SearchAgain1", QStringLiteral("&Search Again"), QKeySequence(Qt::Key_F3)),
            &QAction::triggered, this, &TEditorCommands::onSearchAgain);
    connect(add(QStringLiteral("Edit1"), "FindBrace1", QStringLiteral("F&ind {}"), QKeySequence(Qt::Key_F9)),
            &QAction::triggered, this, &TEditorCommands::onFindBrace);
    connect(add(QStringLiteral("Edit1"), "GoToLine1", QStringLiteral("&Go To Line...")), &QAction::triggered, this,
            &TEditorCommands::onGoToLine);
    connect(add(QStringLiteral("View1"), "UpdateSelection1", QStringLiteral("&Update Selection")), &QAction::triggered,
            this, &TEditorCommands::onUpdateSelection);
    connect(add(QStringLiteral("Options1"), "Appearance1", QStringLiteral("&Appearance...")), &QAction::triggered, this,
            &TEditorCommands::onAppearance);

    auto active = [this] { return m_frame->activeEditor(); };
    connect(m_find, &TFindDialog::findNextRequested, this, [this, active] {
        if (TEditForm *e = active())
            e->findNext(m_find->options());
    });
    connect(m_replace, &TFindDialog::findNextRequested, this, [this, active] {
        if (TEditForm *e = active())
            e->replaceFindNext(m_replace->options());
    });
    connect(m_replace, &TFindDialog::replaceRequested, this, [this, active] {
        if (TEditForm *e = active())
            e->replaceOnce(m_replace->options());
    });
    connect(m_replace, &TFindDialog::replaceAllRequested, this, [this, active] {
        if (TEditForm *e = active())
            e->replaceAll(m_replace->options());
    });

    for (const char *name : {"Edit1", "View1"})
        if (QMenu *m = m_frame->menu(QLatin1String(name)))
            connect(m, &QMenu::aboutToShow, this, &TEditorCommands::refreshStates);
    connect(m_frame, &TFrameForm::activeEditorChanged, this, &TEditorCommands::watch);
    connect(m_frame, &TFrameForm::syntaxColoringChanged, this, &TEditorCommands::onSyntaxColoringChanged);
    connect(m_frame, &TFrameForm::wordWrapChanged, this, [this] {
        for (TEditForm *e : m_frame->editors())
            e->applyWordWrap();
    });
    refreshStates();
}

QAction *TEditorCommands::add(const QString &menu, const char *name, const QString &caption, const QKeySequence &key)
{
    auto *a = new QAction(caption, m_frame);
    a->setObjectName(QLatin1String(name));
    if (!key.isEmpty())
        a->setShortcut(key);
    m_frame->addMenuAction(menu, a);
    return a;
}

void TEditorCommands::watch(TEditForm *editor)
{
    // Shortcuts act while the menus are closed: the states follow the caret.
    disconnect(m_cursorWatch);
    disconnect(m_selectionWatch);
    if (editor) {
        m_cursorWatch = connect(editor->editor(), &QPlainTextEdit::cursorPositionChanged, this,
                                &TEditorCommands::refreshStates);
        m_selectionWatch = connect(editor->editor(), &QPlainTextEdit::selectionChanged, this,
                                   &TEditorCommands::refreshStates);
    }
    refreshStates();
}

void TEditorCommands::refreshStates()
{
    TEditForm *e = m_frame->activeEditor();
    auto set = [this](const char *name, bool on) {
        if (QAction *a = m_frame->action(QLatin1String(name)))
            a->setEnabled(on);
    };
    set("Find1", e);
    set("Replace1", e);
    set("GoToLine1", e);
    set("SearchAgain1", e && !m_find->options().text.isEmpty());
    set("FindBrace1", e && e->canMatchBrace());
    set("UpdateSelection1", e && m_frame->syntaxColoring() && e->editor()->textCursor().hasSelection());
}

void TEditorCommands::onFind()
{
    if (TEditForm *e = m_frame->activeEditor()) {
        const QString sel = e->editor()->textCursor().selectedText();
        if (!sel.isEmpty() && !sel.contains(QChar::ParagraphSeparator))
            m_find->setFindText(sel);
    }
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

void TEditorCommands::onReplace()
{
    m_replace->show();
    m_replace->raise();
    m_replace->activateWindow();
}

void TEditorCommands::onSearchAgain()
{
    TEditForm *e = m_frame->activeEditor();
    if (e && !m_find->options().text.isEmpty())
        e->findNext(m_find->options());
}

void TEditorCommands::onFindBrace()
{
    if (TEditForm *e = m_frame->activeEditor())
        if (e->canMatchBrace())
            e->matchBrace();
}

void TEditorCommands::onGoToLine()
{
    if (TEditForm *e = m_frame->activeEditor())
        e->goToLineDialog();
}

void TEditorCommands::onUpdateSelection()
{
    if (TEditForm *e = m_frame->activeEditor())
        e->updateSelection();
}

void TEditorCommands::onAppearance()
{
    ClassFonts fonts = m_frame->classFonts();
    QColor background = m_frame->backgroundColor();
    if (!m_appearance->edit(fonts, background))
        return;
    m_frame->setBackgroundColor(colorToWin(background));
    m_frame->setClassFonts(fonts);
    TAppearanceDialog::applyToEditors(m_frame->editors());
    m_frame->mdiArea()->setBackground(background);
    m_frame->mdiArea()->update();
}

void TEditorCommands::onSyntaxColoringChanged()
{
    TAppearanceDialog::applyToEditors(m_frame->editors());
    refreshStates();
}
