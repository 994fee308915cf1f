#include "toolboxes/toolboxcommands.h"

#include "platform/profile.h"
#include "toolboxes/tgraphicsdialog.h"
#include "toolboxes/tgreekdialog.h"
#include "toolboxes/timagedialog.h"
#include "toolboxes/tmathdialog.h"
#include "toolboxes/toolboxhost.h"
#include "toolboxes/toolboxplacement.h"
#include "toolboxes/tsymboldialog.h"
#include "toolboxes/tusertemplatesdialog.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QAction *makeAction(const char *text, const char *name, QObject *parent)
{
    auto *a = new QAction(QString::fromLatin1(text), parent);
    a->setObjectName(QLatin1String(name));
    return a;
}

// The screens' available areas, the primary first.
QList<QRect> screenAreas()
{
    QList<QRect> areas;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        areas << primary->availableGeometry();
    for (const QScreen *s : QGuiApplication::screens())
        if (s != QGuiApplication::primaryScreen())
            areas << s->availableGeometry();
    return areas;
}

// Room for a title bar and borders while the window system has not told their size
// (before the window is first shown).
constexpr QSize FrameAllowance(8, 32);

void placeOnScreen(QWidget *w, const QPoint &wanted)
{
    QSize outer = w->frameGeometry().size();
    if (outer == w->size())
        outer += FrameAllowance;
    w->move(ToolboxPlacement::onScreen(wanted, outer, screenAreas()));
}

} // namespace

ToolboxCommands::ToolboxCommands(ToolboxHost &host, const SettingsLocation &location, QWidget *window)
    : QObject(window)
    , m_host(host)
    , m_location(location)
    , m_greek(new TGreekDialog(host, window))
    , m_math(new TMathDialog(host, window))
    , m_symbols(new TSymbolDialog(host, window))
    , m_templates(new TUserTemplatesDialog(host, window))
    , m_graphics(new TGraphicsDialog(host, window))
    , m_image(new TImageDialog(host, window))
{
    setObjectName(QStringLiteral("ToolboxCommands"));
    m_actions.greek = makeAction("&Greek Letters...", "GreekLetters1", this);
    m_actions.math = makeAction("&Math Symbols...", "MathSymbols1", this);
    m_actions.symbols = makeAction("&Symbols...", "Symbols1", this);
    m_actions.userTemplates = makeAction("&User Templates...", "UserTemplates2", this);
    m_actions.userTemplates->setShortcut(QKeySequence(Qt::Key_F12));
    m_actions.graphics = makeAction("&Graphics...", "Graphics1", this);
    m_actions.figure = makeAction("&Figure...", "Figure1", this);
    connect(m_actions.greek, &QAction::triggered, this, [this] { showToolbox(m_greek); });
    connect(m_actions.math, &QAction::triggered, this, [this] { showToolbox(m_math); });
    connect(m_actions.symbols, &QAction::triggered, this, [this] { showToolbox(m_symbols); });
    connect(m_actions.userTemplates, &QAction::triggered, this, [this] { showToolbox(m_templates); });
    connect(m_actions.graphics, &QAction::triggered, this, &ToolboxCommands::insertGraphics);
    connect(m_actions.figure, &QAction::triggered, this, &ToolboxCommands::insertImage);

    const Profile inUse(m_location.inUse);
    GraphicsOptions graphics;
    graphics.read(inUse);
    m_graphics->setOptions(graphics);
    ImageOptions image;
    image.read(inUse);
    m_image->setOptions(image);
}

ToolboxCommands::~ToolboxCommands() { writeAtExit(); }

void ToolboxCommands::place(const ToolboxSettings &s)
{
    const QSize size = ToolboxPlacement::boundedSize(QSize(s.templWidth, s.templHeight), m_templates->minimumSize(),
                                                     screenAreas());
    m_templates->resize(size);
    placeOnScreen(m_greek, QPoint(s.greekLeft, s.greekTop));
    placeOnScreen(m_math, QPoint(s.mathLeft, s.mathTop));
    placeOnScreen(m_symbols, QPoint(s.symbolLeft, s.symbolTop));
    placeOnScreen(m_templates, QPoint(s.templLeft, s.templTop));
}

void ToolboxCommands::showStored(const ToolboxSettings &s)
{
    const std::pair<QWidget *, bool> boxes[] = {
        {m_greek, s.greekBoxVisible}, {m_math, s.mathBoxVisible}, {m_symbols, s.symbolBoxVisible},
        {m_templates, s.templBoxVisible}};
    for (const auto &[box, visible] : boxes)
        if (visible)
            showToolbox(box);
}

void ToolboxCommands::store(ToolboxSettings &s) const
{
    s.greekBoxVisible = m_greek->isVisible();
    s.mathBoxVisible = m_math->isVisible();
    s.symbolBoxVisible = m_symbols->isVisible();
    s.templBoxVisible = m_templates->isVisible();
    s.greekLeft = m_greek->x();
    s.greekTop = m_greek->y();
    s.mathLeft = m_math->x();
    s.mathTop = m_math->y();
    s.symbolLeft = m_symbols->x();
    s.symbolTop = m_symbols->y();
    s.templLeft = m_templates->x();
    s.templTop = m_templates->y();
    s.templWidth = m_templates->width();
    s.templHeight = m_templates->height();
}

void ToolboxCommands::showToolbox(QWidget *toolbox)
{
    // The screens may have changed since the place was stored; once shown, the
    // window's real frame decides.
    placeOnScreen(toolbox, toolbox->pos());
    toolbox->show();
    placeOnScreen(toolbox, toolbox->pos());
    toolbox->raise();
}

void ToolboxCommands::userTemplatesChanged()
{
    if (m_templates->isVisible())
        m_templates->rebuild();
}

void ToolboxCommands::insertGraphics()
{
    if (m_graphics->run())
        m_host.insert(m_graphics->options().text(), QString());
}

void ToolboxCommands::insertImage()
{
    if (m_image->run())
        m_host.insert(m_image->options().text(), QString());
}

bool ToolboxCommands::writeAtExit(QString *error)
{
    if (m_written || m_location.unavailable)
        return true;
    m_written = true;
    Profile target(m_location.target);
    QString why;
    const bool ok = m_graphics->options().write(target, &why) && m_image->options().write(target, &why);
    if (!ok && error)
        *error = why;
    return ok;
}
