// The clean-up wired to the frame: File > "&Clean Up..." opens the clean-up dialog,
// which is created once with the frame (its marks come from the settings file in use
// and go to the per-user file at exit) and cleans the main file's directory.
#pragma once

#include "cleanup/cleanuphost.h"

#include <QObject>

class QAction;
class TCleanUpDlg;
class TFrameForm;

class CleanUpWiring final : public QObject, public CleanUpHost
{
    Q_OBJECT
public:
    explicit CleanUpWiring(TFrameForm &frame);
    // The dialog goes first: it writes its marks while the frame is still whole.
    ~CleanUpWiring() override;

    TCleanUpDlg *dialog() const { return m_dialog; }
    QAction *cleanUpAction() const { return m_cleanUp; }

    // The main file's directory, else the current one.
    QString cleanUpDirectory() const override;
    // Our own deletions: open editors of those files stay as they are.
    void filesDeleted(const QStringList &paths) override;

private:
    TFrameForm &m_frame;
    TCleanUpDlg *m_dialog;
    QAction *m_cleanUp;
};
