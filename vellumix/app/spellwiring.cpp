#include "app/spellwiring.h"

#include "app/tframeform.h"
#include "editor/teditform.h"
#include "spell/toptspellcheckdialog.h"
#include "spell/tspellcheckdialog.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>

SpellWiring::SpellWiring(TFrameForm &frame)
    : QObject(&frame)
    , m_frame(frame)
    , m_window(new TSpellCheckDialog(*this, &frame))
    , m_options(new TOptSpellCheckDialog(&frame))
{
    setObjectName(QStringLiteral("SpellWiring"));
    // A place on no screen any more (another monitor at the last exit) would hide
    // the window: it then opens where it was designed to.
    const ToolboxSettings &t = frame.settings().toolboxes;
    QPoint place(t.spellCheckLeft, t.spellCheckTop);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        if (!screen->availableVirtualGeometry().intersects(QRect(place, m_window->sizeHint())))
            place = QPoint(ToolboxSettings().spellCheckLeft, ToolboxSettings().spellCheckTop);
    }
    m_window->move(place);

    m_spellCheck = new QAction(QStringLiteral("Spe&ll Check..."), this);
    m_spellCheck->setObjectName(QStringLiteral("SpellCheck1"));
    m_spellChecker = new QAction(QStringLiteral("Sp&ell Checker..."), this);
    m_spellChecker->setObjectName(QStringLiteral("SpellChecker1"));
    connect(m_spellCheck, &QAction::triggered, this, &SpellWiring::onSpellCheck);
    connect(m_spellChecker, &QAction::triggered, this, &SpellWiring::onSpellChecker);
    FrameMenus &menus = frame.menus();
    menus.addAction(menus.edit, m_spellCheck);
    menus.addAction(menus.options, m_spellChecker);
    connect(menus.edit, &QMenu::aboutToShow, this, &SpellWiring::refreshSpellCheckItem);
    refreshSpellCheckItem();
}

SpellWiring::~SpellWiring() { delete m_window; }

void SpellWiring::refreshSpellCheckItem() { m_spellCheck->setEnabled(!spellCheckerCommand().isEmpty()); }

void SpellWiring::onSpellCheck()
{
    m_frame.saveModifiedEditors();
    m_window->show();
    m_window->raise();
}

void SpellWiring::onSpellChecker()
{
    QString command = m_frame.settings().spellChecker;
    if (m_options->edit(command))
        m_frame.settings().spellChecker = command;
    refreshSpellCheckItem();
}

void SpellWiring::restoreWindow()
{
    if (m_frame.settings().toolboxes.spellCheckVisible && !spellCheckerCommand().isEmpty())
        m_window->show();
}

void SpellWiring::storeWindow()
{
    ToolboxSettings &t = m_frame.settings().toolboxes;
    t.spellCheckVisible = m_window->isVisible();
    t.spellCheckLeft = m_window->x();
    t.spellCheckTop = m_window->y();
}

Prompter &SpellWiring::prompter() { return m_frame.prompter(); }

QString SpellWiring::spellCheckerCommand() const { return m_frame.settings().spellChecker; }

QPlainTextEdit *SpellWiring::activeTextEdit() const
{
    TEditForm *e = m_frame.activeEditor();
    if (!e)
        return nullptr;
    // The check reads and corrects the whole text, not only what of a loading file arrived.
    e->finishLoading();
    return e->editor();
}

TextCodec::Encoding SpellWiring::activeEncoding() const
{
    TEditForm *e = m_frame.activeEditor();
    return e ? e->document().encoding() : TextCodec::Encoding::Utf8;
}

void SpellWiring::focusActiveEditor()
{
    TEditForm *e = m_frame.activeEditor();
    if (!e)
        return;
    m_frame.activateWindow();
    e->editor()->setFocus();
}
