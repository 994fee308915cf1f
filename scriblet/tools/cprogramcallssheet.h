// The program-calls dialog "Programmaufrufe": six pages that edit the tools.
//
// The five tool pages edit copies that reach the settings only with OK; the
// user-tools page edits the settings directly, so its edits stay also on Cancel.
// Whichever button closes the dialog, every tool key is then written to the file.
#pragma once

#include <QDialog>

class COptionDVIPS;
class COptionDVIWin;
class COptionGhostView;
class COptionBibtex;
class COptionTex;
class COptionUserTools;
class CShellSettings;
class Prompter;
class QTabWidget;

class CProgramCallsSheet : public QDialog
{
    Q_OBJECT
public:
    // settings and prompter must outlive the dialog.
    CProgramCallsSheet(CShellSettings &settings, Prompter &prompter, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    COptionUserTools *userTools() const { return m_userTools; }

    void done(int result) override;

private:
    CShellSettings &m_settings;
    Prompter &m_prompter;
    QTabWidget *m_tabs = nullptr;
    COptionTex *m_tex = nullptr;
    COptionBibtex *m_bibtex = nullptr;
    COptionDVIWin *m_dviwin = nullptr;
    COptionDVIPS *m_dvips = nullptr;
    COptionGhostView *m_ghostview = nullptr;
    COptionUserTools *m_userTools = nullptr;
    bool m_closed = false;
};
