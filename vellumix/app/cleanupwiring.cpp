#include "app/cleanupwiring.h"

#include "app/tframeform.h"
#include "cleanup/tcleanupdlg.h"
#include "editor/documentguard.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

CleanUpWiring::CleanUpWiring(TFrameForm &frame) : QObject(&frame), m_frame(frame)
{
    setObjectName(QStringLiteral("CleanUpWiring"));
    const SettingsLocation &loc = frame.settingsLocation();
    m_dialog = new TCleanUpDlg(loc.inUse, loc.target, !loc.unavailable, this, &frame);
    m_cleanUp = new QAction(QStringLiteral("&Clean Up..."), this);
    m_cleanUp->setObjectName(QStringLiteral("CleanUp1"));
    connect(m_cleanUp, &QAction::triggered, m_dialog, &QDialog::exec);
    FrameMenus &menus = frame.menus();
    menus.addAction(menus.file, m_cleanUp, menus.actions.fileExitSeparator);
}

CleanUpWiring::~CleanUpWiring() { delete m_dialog; }

QString CleanUpWiring::cleanUpDirectory() const
{
    const QString main = m_frame.mainFile();
    return main.isEmpty() ? QDir::currentPath() : QFileInfo(main).absolutePath();
}

void CleanUpWiring::filesDeleted(const QStringList &paths)
{
    for (const QString &path : paths)
        m_frame.documentGuard().diskWatch().forget(path);
}
