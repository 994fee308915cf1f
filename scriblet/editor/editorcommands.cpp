#include "editor/editorcommands.h"

#include "common/commandids.h"
#include "common/cshellsettings.h"
#include "common/prompter.h"
#include "editor/cmacrodialog.h"
#include "editor/cshellview.h"
#include "editor/csyntaxdialog.h"
#include "editor/cumlautdialog.h"
#include "editor/editorfont.h"
#include "editor/editorhost.h"
#include "editor/macrofile.h"
#include "editor/symbols.h"
#include "bars/toolbarimages.h"
#include "resources/strings.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>

namespace {

// RAII wait cursor.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

EditorCommands::EditorCommands(QWidget *window, CShellSettings &settings, EditorHost &host, Prompter &prompter)
    : QObject(window)
    , m_window(window)
    , m_settings(settings)
    , m_host(host)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("EditorCommands"));
}

CShellView *EditorCommands::activeView() const { return m_host.activeView(); }

void EditorCommands::attach(CShellView *view)
{
    view->onNotFound = [this] {
        m_prompter.message(Str::text(Str::SearchFinished), Prompter::Icon::Information);
        m_prompter.beep();
    };
}

void EditorCommands::undo()
{
    if (CShellView *v = activeView())
        v->undo();
}

void EditorCommands::redo()
{
    if (CShellView *v = activeView())
        v->redo();
}

void EditorCommands::cut()
{
    if (CShellView *v = activeView()) {
        v->announce(ChangeTracker::Cause::Cut);
        v->cut();
    }
}

void EditorCommands::copy()
{
    if (CShellView *v = activeView())
        v->copy();
}

void EditorCommands::paste()
{
    if (CShellView *v = activeView())
        v->paste();
}

void EditorCommands::selectAll()
{
    if (CShellView *v = activeView())
        v->selectAll();
}

void EditorCommands::find(bool replace)
{
    CShellView *v = activeView();
    if (!v)
        return;
    CFindDialog dlg(v, m_find, replace, m_window);
    dlg.exec();
}

void EditorCommands::findNext()
{
    if (CShellView *v = activeView()) {
        if (m_find.findText.isEmpty())
            find(false);
        else
            v->findNext(m_find.findText, m_find.matchCase);
    }
}

void EditorCommands::toggleWordWrap()
{
    m_settings.setWrapMode(m_settings.wrapMode ? 0 : 1);
    applyWrapToAll();
}

void EditorCommands::applyWrapToAll()
{
    for (CShellView *v : m_host.views())
        v->applyWrap();
}

void EditorCommands::chooseFont()
{
    const QFont shown = m_settings.hasFont() ? EditorFontConv::toQFont(m_settings.font)
                                             : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // The dialog starts on the face the editor really shows: a stored face this
    // host lacks ("Courier New") stands for the closest monospace face, and a
    // dialog started on a missing face would offer another one, which a change
    // of the size alone would then store. Sizes are points in the dialog.
    QFont font = shown;
    font.setFamily(QFontInfo(shown).family());
    if (shown.pixelSize() > 0)
        font.setPointSizeF(shown.pixelSize() * 72.0 / 96.0);
    if (m_prompter.chooseFont(&font) && !applyEditorFont(font))
        m_prompter.message(m_settings.lastError());
}

bool EditorCommands::applyEditorFont(const QFont &font)
{
    if (!m_settings.writeFont(EditorFontConv::fromQFont(font, m_settings.font)))
        return false;
    WaitCursor wait;
    for (CShellView *v : m_host.views())
        v->applyEditorSetup();
    return true;
}

void EditorCommands::editUmlauts()
{
    CUmlautDialog dlg(m_settings.umlauts, m_window);
    if (dlg.exec() == QDialog::Accepted)
        applyUmlauts(dlg.values());
}

bool EditorCommands::applyUmlauts(const std::array<QString, 7> &values)
{
    m_settings.umlauts = values;
    if (!m_settings.writeUmlauts()) {
        m_prompter.message(m_settings.lastError());
        return false;
    }
    return true;
}

void EditorCommands::editColours()
{
    CSyntaxDialog dlg(m_settings, m_prompter, m_window);
    if (dlg.exec() == QDialog::Accepted)
        applyColours();
}

bool EditorCommands::applyColours()
{
    const bool written = m_settings.writeColours();
    {
        WaitCursor wait;
        for (CShellView *v : m_host.views()) {
            v->tracker().resetBackground();
            v->applyEditorSetup();
            v->recolourLines(0, ChangeTracker::ChunkSize);
            const auto [first, last] = v->visibleRange();
            v->recolourLines(first, last);
            v->viewport()->update();
        }
    }
    m_host.scheduleBackgroundWork();
    if (!written)
        m_prompter.message(m_settings.lastError());
    return written;
}

QAction *EditorCommands::symbolAction(int id)
{
    const QString name = QStringLiteral("cmd%1").arg(id);
    if (auto *existing = m_window->findChild<QAction *>(name, Qt::FindDirectChildrenOnly))
        return existing;
    const SymbolCommand *c = Symbols::find(id);
    if (!c)
        return nullptr;
    auto *a = new QAction(Symbols::text(id), m_window);
    a->setObjectName(name);
    a->setToolTip(Symbols::text(id));
    a->setStatusTip(Symbols::prompt(id));
    a->setIcon(glyphIcon(m_window, QString::fromUtf8(c->glyph)));
    m_window->addAction(a);
    connect(a, &QAction::triggered, this, [this, id] { insertSymbol(id); });
    return a;
}

QIcon EditorCommands::glyphIcon(const QWidget *window, const QString &glyph)
{
    QPixmap pix(16, 15);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    QFont f = window->font();
    f.setPixelSize(13);
    p.setFont(f);
    p.setPen(window->palette().color(QPalette::ButtonText));
    p.drawText(pix.rect(), Qt::AlignCenter, glyph);
    p.end();
    return QIcon(pix);
}

bool EditorCommands::insertSymbol(int id)
{
    CShellView *v = activeView();
    if (!v || !Symbols::find(id))
        return false;
    v->insertCommandText(Symbols::text(id));
    return true;
}

QList<QAction *> EditorCommands::macroActions(const QImage &macroImages)
{
    if (!m_macros[0]) {
        const QList<QImage> icons = ToolbarImages::split(macroImages);
        for (int i = 0; i < 10; ++i) {
            auto *a = new QAction(m_window);
            a->setObjectName(QStringLiteral("cmd%1").arg(Cmd::Macro1 + i));
            a->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key(Qt::Key_F1 + i)));
            if (i < icons.size())
                a->setIcon(QIcon(QPixmap::fromImage(icons.at(i))));
            m_window->addAction(a);
            connect(a, &QAction::triggered, this, [this, i] { insertMacro(i); });
            m_macros[i] = a;
        }
        updateMacroCaptions();
    }
    return {m_macros.begin(), m_macros.end()};
}

void EditorCommands::updateMacroCaptions()
{
    for (int i = 0; i < 10; ++i) {
        QAction *a = m_macros[i];
        if (!a)
            continue;
        // Caption, tooltip and prompt are cut alike: a name of any length in
        // "Scriblet.macros" must not widen the main window.
        const QString name = m_settings.macroNames[i].left(80);
        a->setText(name);
        a->setToolTip(name);
        a->setStatusTip(Str::format(Str::MacroPrompt, {name}));
    }
}

bool EditorCommands::insertMacro(int index)
{
    CShellView *v = activeView();
    if (!v || index < 0 || index >= 10)
        return false;
    v->insertCommandText(m_settings.macroTexts[index]);
    return true;
}

void EditorCommands::editMacros()
{
    MacroTable table;
    table.names = m_settings.macroNames;
    table.texts = m_settings.macroTexts;
    CMacroDialog dlg(table, m_window);
    if (dlg.exec() != QDialog::Accepted)
        return;
    applyMacros(dlg.table());
}

bool EditorCommands::applyMacros(const MacroTable &table)
{
    m_settings.macroNames = table.names;
    m_settings.macroTexts = table.texts;
    updateMacroCaptions();
    QString error;
    if (!MacroFile::save(m_settings.settingsDir(), table, &error)) {
        m_prompter.message(error);
        return false;
    }
    return true;
}
