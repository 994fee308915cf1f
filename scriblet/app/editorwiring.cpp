#include "app/editorwiring.h"

#include "app/cmainframe.h"
#include "app/documentmanager.h"
#include "common/commandids.h"
#include "common/cshellsettings.h"
#include "editor/cchildframe.h"
#include "editor/cshellview.h"
#include "editor/editorcommands.h"
#include "editor/editorhost.h"
#include "editor/keywordfiles.h"
#include "editor/printcommands.h"
#include "editor/symbols.h"
#include "resources/strings.h"

#include <QAction>
#include <QMenu>

namespace {

// The frame's document windows, as the editor commands see them. Lives as long
// as the frame (a child of it).
class FrameEditorHost : public QObject, public EditorHost
{
public:
    explicit FrameEditorHost(CMainFrame *frame) : QObject(frame), m_frame(frame) {}
    CShellView *activeView() const override { return m_frame->activeView(); }
    QList<CShellView *> views() const override
    {
        QList<CShellView *> out;
        for (CChildFrame *c : m_frame->children())
            out.append(c->view());
        return out;
    }
    void scheduleBackgroundWork() override { m_frame->scheduleIdle(); }

private:
    CMainFrame *m_frame;
};

// Print, print preview and page set-up in the File menu, after the save
// commands and before the recent files.
void installPrinting(CMainFrame *frame, EditorHost &host)
{
    auto *printing = new PrintCommands(frame, *frame->settings(), host, *frame->prompter());
    const QString file = QStringLiteral("menuFile");
    QMenu *menu = frame->menu(file);
    QAction *before = nullptr;
    const QList<QAction *> entries = menu->actions();
    for (qsizetype i = 1; i < entries.size(); ++i)
        if (entries.at(i)->objectName() == QStringLiteral("cmd%1").arg(Cmd::FileMru1))
            before = entries.at(i - 1); // the separator above the recent files
    auto add = [&](int id, int caption, const QKeySequence &key, bool documentOnly, void (PrintCommands::*fn)()) {
        QAction *a = frame->addCommand(id, QString(), caption, id, key, documentOnly);
        menu->insertAction(before, a);
        QObject::connect(a, &QAction::triggered, printing, fn);
    };
    menu->insertSeparator(before);
    add(Cmd::FilePrint, Str::CapPrint, QKeySequence::Print, true, &PrintCommands::print);
    add(Cmd::FilePrintPreview, Str::CapPrintPreview, QKeySequence(), true, &PrintCommands::printPreview);
    add(Cmd::PageSetup, Str::CapPageSetup, QKeySequence(), false, &PrintCommands::pageSetup);
}

} // namespace

namespace EditorWiring {

void install(CMainFrame *frame)
{
    CShellSettings *settings = frame->settings();
    // The keyword lists, before any view copies them.
    KeywordFiles::load(*settings);
    auto *host = new FrameEditorHost(frame);
    auto *commands = new EditorCommands(frame, *settings, *host, *frame->prompter());
    frame->setEditorCommands(commands);
    QObject::connect(&frame->documents(), &DocumentManager::documentAdded, commands,
                     [commands](CChildFrame *child) { commands->attach(child->view()); });

    // The Edit menu belongs to the document menu: shown while a document is open.
    const QString edit = QStringLiteral("menuEdit");
    auto command = [frame, commands](int id, const QString &menu, int caption, const QKeySequence &key,
                                     void (EditorCommands::*fn)(), bool documentOnly = true, int prompt = 0) {
        QAction *a = frame->addCommand(id, menu, caption, prompt, key, documentOnly);
        QObject::connect(a, &QAction::triggered, commands, fn);
        return a;
    };
    // The editing keys of the accelerator table, the older second keys included.
    command(Cmd::EditUndo, edit, Str::CapUndo, QKeySequence::Undo, &EditorCommands::undo)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    command(Cmd::EditRedo, edit, Str::CapRedo, QKeySequence::Redo, &EditorCommands::redo);
    frame->menu(edit)->addSeparator();
    command(Cmd::EditCut, edit, Str::CapCut, QKeySequence::Cut, &EditorCommands::cut)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    command(Cmd::EditCopy, edit, Str::CapCopy, QKeySequence::Copy, &EditorCommands::copy)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    command(Cmd::EditPaste, edit, Str::CapPaste, QKeySequence::Paste, &EditorCommands::paste)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    command(Cmd::EditSelectAll, edit, Str::CapSelectAll, QKeySequence::SelectAll, &EditorCommands::selectAll);
    frame->menu(edit)->addSeparator();
    QObject::connect(frame->addCommand(Cmd::EditFind, edit, Str::CapFind, 0, QKeySequence::Find, true),
                     &QAction::triggered, commands, [commands] { commands->find(false); });
    command(Cmd::EditRepeat, edit, Str::CapFindNext, QKeySequence::FindNext, &EditorCommands::findNext);
    QObject::connect(frame->addCommand(Cmd::EditReplace, edit, Str::CapReplace, 0, QKeySequence::Replace, true),
                     &QAction::triggered, commands, [commands] { commands->find(true); });

    const QString view = QStringLiteral("menuView");
    QAction *wrap = command(Cmd::WordWrap, view, Str::CapWordWrap, QKeySequence(), &EditorCommands::toggleWordWrap,
                            false, Cmd::WordWrap);
    wrap->setCheckable(true);
    wrap->setChecked(settings->wrapMode != 0);
    // The check mark follows the stored mode, whoever changed it.
    QObject::connect(wrap, &QAction::triggered, wrap, [wrap, settings] { wrap->setChecked(settings->wrapMode != 0); });
    command(Cmd::EditorFont, view, Str::CapEditorFont, QKeySequence(), &EditorCommands::chooseFont, false,
            Cmd::EditorFont);
    frame->menu(view)->addSeparator();

    const QString settingsMenu = QStringLiteral("menuSettings");
    command(Cmd::MacroSettings, settingsMenu, Str::CapMacroSettings, QKeySequence(), &EditorCommands::editMacros, false,
            Cmd::MacroSettings);
    QAction *umlauts = command(Cmd::UmlautSettings, settingsMenu, Str::CapUmlautSettings, QKeySequence(),
                               &EditorCommands::editUmlauts, false, Cmd::UmlautSettings);
    // Only German typing converts umlauts.
    QObject::connect(frame->menu(settingsMenu), &QMenu::aboutToShow, umlauts,
                     [umlauts, settings] { umlauts->setEnabled(settings->language == 0); });
    umlauts->setEnabled(settings->language == 0);
    command(Cmd::SyntaxHighlighting, settingsMenu, Str::CapSyntaxHighlighting, QKeySequence(),
            &EditorCommands::editColours, false, Cmd::SyntaxHighlighting);

    installPrinting(frame, *host);
}

void fillBars(CMainFrame *frame)
{
    // The commands of the six symbol bars (each inserts its text) and of the
    // macro bar (Shift+F1..F10, each with its image from "ScribletMacros.bmp"
    // and the macro's name); the bars' buttons are laid out by the customisation.
    EditorCommands *commands = frame->editorCommands();
    for (const SymbolBar &sb : Symbols::bars())
        for (const SymbolCommand &c : sb.commands)
            frame->addFeatureCommand(c.id, commands->symbolAction(c.id), QString());
    for (int id : {32981, 32982})
        frame->addFeatureCommand(id, commands->symbolAction(id), QString());
    const QList<QAction *> macros = commands->macroActions(frame->macroImages());
    for (int i = 0; i < macros.size(); ++i)
        frame->addFeatureCommand(Cmd::Macro1 + i, macros.at(i), QString());
    commands->updateMacroCaptions();
}

} // namespace EditorWiring
