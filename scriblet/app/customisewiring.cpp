#include "app/customisewiring.h"

#include "app/cmainframe.h"
#include "bars/ccustomisedlg.h"
#include "bars/ccustomtoolbar.h"
#include "bars/customisecatalogue.h"
#include "bars/toolbarimages.h"
#include "bars/toolbarlayout.h"
#include "common/commandids.h"
#include "common/cshellsettings.h"
#include "editor/editorcommands.h"
#include "editor/symbols.h"
#include "resources/strings.h"

#include <QAction>
#include <QEvent>
#include <QHash>
#include <QLayout>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <tuple>

namespace {

const QString ButtonsKey = QStringLiteral("Buttons");

QString sectionOf(int barIndex) { return QStringLiteral("%1-Scriblet-%2").arg(ShellIni::GeneralSettings).arg(barIndex); }

// The customisation of one frame: lives as long as the frame (a child of it).
class Customisation : public QObject
{
public:
    explicit Customisation(CMainFrame *frame) : QObject(frame), m_frame(frame)
    {
        setObjectName(QStringLiteral("customisation"));
    }

    void restoreBars()
    {
        Profile &profile = m_frame->settings()->profile();
        for (int id : ToolbarLayout::barIds()) {
            CCustomToolBar *bar = this->bar(id);
            if (!bar)
                continue;
            bar->setCommandLookup([frame = m_frame](int command) { return frame->action(command); });
            const QString stored = profile.getString(sectionOf(ToolbarLayout::barIndex(id)), ButtonsKey);
            const BarButtons buttons = BarButtons::fromSetting(stored).value_or(ToolbarLayout::builtin(id));
            m_loaded.insert(id, buttons);
            bar->setButtons(buttons);
        }
    }

    void saveBars()
    {
        Profile &profile = m_frame->settings()->profile();
        for (int id : ToolbarLayout::barIds())
            if (CCustomToolBar *bar = this->bar(id); bar && bar->buttons() != m_loaded.value(id))
                profile.writeString(sectionOf(ToolbarLayout::barIndex(id)), ButtonsKey, bar->buttons().toSetting());
    }

    void open()
    {
        if (m_dialog) {
            m_dialog->raise();
            m_dialog->activateWindow();
            return;
        }
        // The macro bar shows while its buttons are arranged.
        QToolBar *macroBar = m_frame->toolBar(Cmd::BarMacros);
        m_macroBarWasVisible = !macroBar->isHidden();
        macroBar->show();
        m_dialog = new CCustomiseDlg(catalogue(), [this](const CatalogueEntry &e) { return look(e); }, m_frame);
        connect(m_dialog, &QDialog::finished, this, [this] { end(); });
        connect(m_dialog, &CCustomiseDlg::languageChanged, this, [this] { m_dialog->setCatalogue(catalogue()); });
        for (int id : ToolbarLayout::barIds())
            if (CCustomToolBar *b = bar(id))
                b->setCustomising(true);
        m_dialog->show();
    }

    CCustomiseDlg *dialog() const { return m_dialog; }

protected:
    // Closing the window ends a customisation first, so that the stored bar
    // state has the macro bar as the user left it.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_frame && event->type() == QEvent::Close && m_dialog)
            m_dialog->close();
        return QObject::eventFilter(watched, event);
    }

private:
    CCustomToolBar *bar(int id) const { return qobject_cast<CCustomToolBar *>(m_frame->toolBar(id)); }

    // Built each time from the current names, in the language in force.
    QList<CatalogueCategory> catalogue() const
    {
        const CShellSettings *s = m_frame->settings();
        QStringList tools, macros;
        for (const UserToolSettings &t : s->userTools)
            tools << t.name;
        for (const QString &m : s->macroNames)
            macros << m;
        return CustomiseCatalogue::build(tools, macros);
    }

    void end()
    {
        for (int id : ToolbarLayout::barIds())
            if (CCustomToolBar *b = bar(id))
                b->setCustomising(false);
        m_frame->toolBar(Cmd::BarMacros)->setVisible(m_macroBarWasVisible);
        if (QLayout *l = m_frame->layout())
            l->invalidate();
    }

    CCustomiseDlg::Look look(const CatalogueEntry &e) const
    {
        QAction *a = m_frame->action(e.id);
        CCustomiseDlg::Look out{a ? a->icon() : QIcon(), e.caption};
        if (out.text.isEmpty() && a)
            out.text = a->iconText().section(u'\t', 0, 0);
        const QImage &strip = e.source == ImageSource::Tools ? m_frame->toolImages() : m_frame->macroImages();
        if (e.source != ImageSource::Main) {
            const QList<QImage> images = ToolbarImages::split(strip);
            if (e.image < images.size())
                out.icon = QIcon(QPixmap::fromImage(images.at(e.image)));
        }
        return out;
    }

    CMainFrame *m_frame;
    QHash<int, BarButtons> m_loaded;
    QPointer<CCustomiseDlg> m_dialog;
    bool m_macroBarWasVisible = true;
};

// A 16 x 15 image of a short text, in the largest size that fits.
QIcon labelIcon(const QWidget *window, const QString &label)
{
    QPixmap pix(16, 15);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    QFont f = window->font();
    for (int size = 13; size >= 6; --size) {
        f.setPixelSize(size);
        if (QFontMetrics(f).horizontalAdvance(label) <= 16)
            break;
    }
    p.setFont(f);
    p.setPen(window->palette().color(QPalette::ButtonText));
    p.drawText(pix.rect(), Qt::AlignCenter, label);
    return QIcon(pix);
}

// Images for the commands that have none of their own: the file commands from
// the style, the user tools from "ScribletTools.bmp", a bar toggle its bar's
// first symbol (the macro bar's its first macro image).
void setImages(CMainFrame *frame)
{
    const QHash<int, QStyle::StandardPixmap> fileIcons = {
        {Cmd::FileNew, QStyle::SP_FileIcon},
        {Cmd::FileOpen, QStyle::SP_DirOpenIcon},
        {Cmd::FileSave, QStyle::SP_DialogSaveButton},
        {Cmd::SaveAll, QStyle::SP_DriveFDIcon},
        {Cmd::FileClose, QStyle::SP_DialogCloseButton},
        {Cmd::Exit, QStyle::SP_DialogCancelButton},
        {Cmd::About, QStyle::SP_MessageBoxInformation},
    };
    for (auto it = fileIcons.begin(); it != fileIcons.end(); ++it)
        if (QAction *a = frame->action(it.key()))
            a->setIcon(frame->style()->standardIcon(it.value()));
    // The others from the desktop's icon theme, else a short drawn label (a
    // button without an image would show its whole text instead).
    const QList<std::tuple<int, const char *, const char *>> drawn = {
        {Cmd::EditCut, "edit-cut", "\u2702"},          {Cmd::EditCopy, "edit-copy", "\u2750"},
        {Cmd::EditPaste, "edit-paste", "\u25a4"},      {Cmd::FilePrint, "document-print", "Pr"},
        {Cmd::ContextHelp, "help-contextual", "?"},    {Cmd::RunLatex, nullptr, "TeX"},
        {Cmd::RunBibtex, nullptr, "Bib"},              {Cmd::RunDviViewer, nullptr, "DVI"},
        {Cmd::RunDvips, nullptr, "PS"},                {Cmd::RunPsViewer, nullptr, "GV"},
        {Cmd::ProgramCalls, nullptr, "Exe"},           {Cmd::MainDocument, nullptr, "M"},
        {Cmd::ViewProjectBar, nullptr, "Prj"},         {Cmd::ViewLogBar, nullptr, "Log"},
    };
    for (const auto &[id, theme, label] : drawn) {
        QAction *a = frame->action(id);
        if (!a || !a->icon().isNull())
            continue;
        const QIcon icon = theme ? QIcon::fromTheme(QString::fromLatin1(theme)) : QIcon();
        a->setIcon(icon.isNull() ? labelIcon(frame, QString::fromUtf8(label)) : icon);
    }
    const QList<QImage> tools = ToolbarImages::split(frame->toolImages());
    for (int i = 0; i < tools.size() && i < 10; ++i)
        if (QAction *a = frame->action(Cmd::UserTool1 + i))
            a->setIcon(QIcon(QPixmap::fromImage(tools.at(i))));
    const QList<QImage> macros = ToolbarImages::split(frame->macroImages());
    if (QAction *toggle = frame->action(Cmd::ViewMacroBar); toggle && !macros.isEmpty())
        toggle->setIcon(QIcon(QPixmap::fromImage(macros.first())));
    const QHash<int, int> barToggles = {
        {Cmd::BarArrows, Cmd::ViewArrowsBar},     {Cmd::BarBinaryOps, Cmd::ViewBinaryOpsBar},
        {Cmd::BarAccents, Cmd::ViewAccentsBar},   {Cmd::BarRelations, Cmd::ViewRelationsBar},
        {Cmd::BarGreek, Cmd::ViewGreekBar},       {Cmd::BarOtherSymbols, Cmd::ViewOtherSymbolsBar},
    };
    for (const SymbolBar &sb : Symbols::bars())
        if (QAction *toggle = frame->action(barToggles.value(sb.barId)); toggle && !sb.commands.isEmpty())
            toggle->setIcon(EditorCommands::glyphIcon(frame, QString::fromUtf8(sb.commands.first().glyph)));
}

} // namespace

namespace CustomiseWiring {

void install(CMainFrame *frame)
{
    setImages(frame);
    auto *c = new Customisation(frame);
    c->restoreBars();
    frame->installEventFilter(c);
    QAction *customise = frame->addCommand(Cmd::Customize, QStringLiteral("menuView"), Str::CapCustomize);
    QObject::connect(customise, &QAction::triggered, c, [c] { c->open(); });
    QObject::connect(frame, &CMainFrame::closing, c, [c] { c->saveBars(); });
}

CCustomiseDlg *dialog(const CMainFrame *frame)
{
    // Only install() makes an object of this name below the frame.
    QObject *c = frame->findChild<QObject *>(QStringLiteral("customisation"), Qt::FindDirectChildrenOnly);
    return c ? static_cast<Customisation *>(c)->dialog() : nullptr;
}

} // namespace CustomiseWiring
