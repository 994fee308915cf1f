// The clean-up dialog: fourteen kinds of auxiliary files to tick; OK deletes the
// ticked kinds in the current directory. Created once at start-up and kept until
// exit; the marks are read from the settings file in use when it is created and
// written to the per-user settings file when it is destroyed, however it was closed.
#pragma once

#include "cleanup/cleanup.h"

#include <QDialog>
#include <array>

class CleanUpHost;
class QCheckBox;
class QPushButton;

class TCleanUpDlg : public QDialog
{
    Q_OBJECT
public:
    // settingsInUse: the file the marks are read from (also by "Reset");
    // perUserSettings: the file they are written to at exit; settingsAvailable false:
    // nothing is ever written. host names the directory OK cleans (without one: the
    // current directory); it must outlive the dialog.
    TCleanUpDlg(const QString &settingsInUse, const QString &perUserSettings, bool settingsAvailable,
                CleanUpHost *host = nullptr, QWidget *parent = nullptr);
    ~TCleanUpDlg() override;

    CleanUp::Marks marks() const;
    void setMarks(const CleanUp::Marks &marks);

    // The directory OK cleans.
    QString directory() const;

    // Writes the marks to the per-user settings file (done by the destructor once).
    void writeSettings();

    // Paths deleted by the last OK.
    const QStringList &lastDeleted() const { return m_lastDeleted; }

public slots:
    void checkAll();
    void uncheckAll();
    // Marks as stored at the last exit.
    void reset();
    void accept() override;

private:
    std::array<QCheckBox *, CleanUp::KindCount> m_boxes{};
    QString m_settingsInUse;
    QString m_perUserSettings;
    bool m_settingsAvailable;
    bool m_written = false;
    CleanUpHost *m_host;
    QStringList m_lastDeleted;
};
