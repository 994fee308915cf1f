#include "app/documentmanager.h"

#include "app/cmainframe.h"
#include "common/commandids.h"
#include "common/cshellsettings.h"
#include "common/prompter.h"
#include "editor/cchildframe.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "resources/strings.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>

namespace {

const char *const RecentSection = "Recent File List";
constexpr int RecentCount = 5;

// RAII wait cursor.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

DocumentManager::DocumentManager(CMainFrame *frame, CShellSettings &settings, Prompter &prompter)
    : QObject(frame)
    , m_frame(frame)
    , m_settings(settings)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("DocumentManager"));
}

void DocumentManager::installCommands()
{
    const QString file = QStringLiteral("menuFile");
    CMainFrame *f = m_frame;
    connect(f->addCommand(Cmd::FileNew, file, Str::CapFileNew, 0, QKeySequence::New), &QAction::triggered, this,
            [this] { newDocument(); });
    connect(f->addCommand(Cmd::FileOpen, file, Str::CapFileOpen, Cmd::FileOpen, QKeySequence::Open), &QAction::triggered, this,
            &DocumentManager::onFileOpen);
    connect(f->addCommand(Cmd::FileClose, file, Str::CapFileClose, 0, QKeySequence(), true), &QAction::triggered,
            this, [this] {
                if (CChildFrame *c = m_frame->activeChild())
                    c->close();
            });
    connect(f->addCommand(Cmd::FileSave, file, Str::CapFileSave, 0, QKeySequence::Save, true), &QAction::triggered,
            this, [this] {
                if (CChildFrame *c = m_frame->activeChild())
                    saveDocument(c->doc());
            });
    connect(f->addCommand(Cmd::FileSaveAs, file, Str::CapFileSaveAs, Cmd::FileSaveAs, QKeySequence(), true), &QAction::triggered,
            this, [this] {
                if (CChildFrame *c = m_frame->activeChild())
                    saveDocumentAs(c->doc());
            });
    connect(f->addCommand(Cmd::SaveAll, file, Str::CapSaveAll, Cmd::SaveAll, QKeySequence(), true),
            &QAction::triggered, this, [this] { saveAll(); });
    m_recentSeparator = f->menu(file)->addSeparator();
    for (int i = 0; i < RecentCount; ++i) {
        QAction *a = f->addCommand(Cmd::FileMru1 + i, file, 0);
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, i] {
            if (i < m_recent.size())
                openDocument(m_recent.at(i));
        });
    }
    f->menu(file)->addSeparator();
    connect(f->addCommand(Cmd::Exit, file, Str::CapExit, Cmd::Exit), &QAction::triggered, f, &QWidget::close);
}

// ---------------------------------------------------------------------------

CChildFrame *DocumentManager::childForPath(const QString &path) const
{
    const QString abs = QFileInfo(path).absoluteFilePath();
    for (CChildFrame *c : m_frame->children())
        if (c->doc()->path() == abs)
            return c;
    return nullptr;
}

CChildFrame *DocumentManager::addChild(CShellDoc *doc)
{
    QMdiArea *mdi = m_frame->mdiArea();
    auto *child = new CChildFrame(doc, &m_settings, mdi);
    child->canClose = [this](CChildFrame *c) { return askSaveBeforeClose(c); };
    mdi->addSubWindow(child);
    const QSize area = mdi->viewport()->size();
    if (area.width() > 200 && area.height() > 150)
        child->resize(area.width() * 4 / 5, area.height() * 4 / 5);
    child->show();
    // The area places a new window beside the others; it must lie wholly inside.
    const QRect inside = QRect(QPoint(0, 0), area);
    if (area.width() > 200 && area.height() > 150 && !inside.contains(child->geometry())) {
        const QSize s = child->size().boundedTo(area);
        child->setGeometry(QRect(QPoint(std::clamp(child->x(), 0, area.width() - s.width()),
                                        std::clamp(child->y(), 0, area.height() - s.height())),
                                 s));
    }
    mdi->setActiveSubWindow(child);
    child->view()->setFocus();
    emit documentAdded(child);
    return child;
}

CShellView *DocumentManager::newDocument()
{
    auto *doc = new CShellDoc;
    // The document template's third field is the new-file name base ("Tex File ").
    const QString base = Str::text(Str::DocTemplate).split(u'\n').value(2);
    doc->newDocument(base + QString::number(++m_untitledCount));
    return addChild(doc)->view();
}

CShellView *DocumentManager::openDocument(const QString &path, int line)
{
    CChildFrame *child = childForPath(path);
    if (!child) {
        CShellDoc::Reading reading;
        {
            WaitCursor wait;
            reading = CShellDoc::readResponsive(path);
        }
        if (!reading.ok()) {
            m_prompter.message(Str::format(Str::OpenFailed, {QDir::toNativeSeparators(path), reading.error}));
            return nullptr;
        }
        // The window comes first, so that a large text fills a view of its final
        // size while the main window keeps painting.
        auto *doc = new CShellDoc;
        child = addChild(doc);
        {
            WaitCursor wait;
            if (!CShellView::load(child->view(), std::move(reading)))
                return nullptr; // the window was closed meanwhile
        }
        child->view()->tracker().resetBackground();
        child->view()->recolourLines(0, ChangeTracker::ChunkSize);
        m_frame->scheduleIdle();
        addRecent(doc->path());
    } else {
        m_frame->mdiArea()->setActiveSubWindow(child);
    }
    if (line > 0)
        m_settings.goToLine = line;
    child->view()->servePositioningRequest();
    return child->view();
}

bool DocumentManager::saveDocument(CShellDoc *doc)
{
    if (doc->isUntitled() || (QFileInfo::exists(doc->path()) && !QFileInfo(doc->path()).isWritable()))
        return saveDocumentAs(doc);
    return saveAs(doc, doc->path());
}

bool DocumentManager::saveDocumentAs(CShellDoc *doc)
{
    const QString suggested = doc->isUntitled() ? doc->fileTitle() : doc->path();
    const QString name = m_prompter.saveFileName(Str::text(Str::SaveAsTitle), Str::text(Str::SaveAsFilter), suggested,
                                                 QStringLiteral("tex"));
    if (name.isEmpty() || !saveAs(doc, name))
        return false;
    addRecent(doc->path());
    return true;
}

bool DocumentManager::saveAs(CShellDoc *doc, const QString &path)
{
    QString error;
    for (;;) {
        const CShellDoc::SaveResult r = doc->save(path, &error);
        if (r == CShellDoc::SaveResult::Saved)
            return true;
        if (r == CShellDoc::SaveResult::Unencodable
            && m_prompter.question(Str::format(Str::SaveToUtf8, {doc->fileTitle()})) == Prompter::Answer::Yes) {
            doc->setEncoding(TextCodec::Encoding::Utf8);
            continue;
        }
        if (r == CShellDoc::SaveResult::Failed)
            m_prompter.message(Str::format(Str::SaveFailed, {QDir::toNativeSeparators(path), error}));
        return false;
    }
}

bool DocumentManager::saveAll()
{
    bool all = true;
    for (CChildFrame *c : m_frame->children())
        if (c->doc()->isModified())
            all &= saveDocument(c->doc());
    return all;
}

bool DocumentManager::askSaveBeforeClose(CChildFrame *child)
{
    if (m_closing)
        return true; // closing the main window already saved what could be saved
    switch (m_prompter.question(Str::format(Str::SaveChanges, {child->doc()->fileTitle()}), true)) {
    case Prompter::Answer::Yes:
        return saveDocument(child->doc());
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Cancel:
        return false;
    }
    return false;
}

void DocumentManager::onFileOpen()
{
    const QString name = m_prompter.openFileName(Str::text(Str::OpenTitle), Str::text(Str::OpenFilter));
    if (name.isEmpty())
        return;
    if (QFileInfo(name).suffix().toLower() == QLatin1String("sbp"))
        m_frame->requestProject(QFileInfo(name).absoluteFilePath());
    else
        openDocument(name);
}

// ---------------------------------------------------------------------------
// Recent files

void DocumentManager::loadRecent()
{
    m_recent.clear();
    for (int i = 1; i <= RecentCount; ++i) {
        const QString f = m_settings.profile().getString(QString::fromLatin1(RecentSection),
                                                         QStringLiteral("File%1").arg(i));
        if (!f.isEmpty())
            m_recent.append(f);
    }
    rebuildRecentMenu();
}

void DocumentManager::addRecent(const QString &path)
{
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > RecentCount)
        m_recent.removeLast();
    // The five keys in one write of the settings file.
    Profile &profile = m_settings.profile();
    const bool batch = !profile.inBatch();
    if (batch)
        profile.beginBatch();
    for (int i = 0; i < RecentCount; ++i)
        profile.writeString(QString::fromLatin1(RecentSection), QStringLiteral("File%1").arg(i + 1),
                            i < m_recent.size() ? m_recent.at(i) : QString());
    if (batch)
        profile.commitBatch();
    rebuildRecentMenu();
}

void DocumentManager::rebuildRecentMenu()
{
    for (int i = 0; i < RecentCount; ++i) {
        QAction *a = m_frame->action(Cmd::FileMru1 + i);
        if (!a)
            continue;
        const bool used = i < m_recent.size();
        a->setVisible(used);
        if (used)
            a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(m_recent.at(i))));
    }
    if (m_recentSeparator)
        m_recentSeparator->setVisible(!m_recent.isEmpty());
}
