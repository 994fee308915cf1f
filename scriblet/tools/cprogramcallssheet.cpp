#include "tools/cprogramcallssheet.h"

#include "common/cshellsettings.h"
#include "common/prompter.h"
#include "resources/okcancelbox.h"
#include "resources/strings.h"
#include "tools/coptionpages.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CProgramCallsSheet::CProgramCallsSheet(CShellSettings &settings, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("ProgramCallsSheet"));
    setWindowTitle(Str::text(Str::ProgramCallsCaption));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("ProgramCallsTabs"));
    m_tabs->setAccessibleName(Str::text(Str::ProgramCallsCaption));
    m_tex = new COptionTex(settings.tex, prompter);
    m_bibtex = new COptionBibtex(settings.bibtex, prompter);
    m_dviwin = new COptionDVIWin(settings.dviViewer, prompter);
    m_dvips = new COptionDVIPS(settings.dvips, prompter);
    m_ghostview = new COptionGhostView(settings.psViewer, prompter);
    m_userTools = new COptionUserTools(settings, prompter);
    m_tabs->addTab(m_tex, Str::text(Str::TabLatex));
    m_tabs->addTab(m_bibtex, Str::text(Str::TabBibtex));
    m_tabs->addTab(m_dviwin, Str::text(Str::TabDviWin));
    m_tabs->addTab(m_dvips, Str::text(Str::TabDvips));
    m_tabs->addTab(m_ghostview, Str::text(Str::TabGhostView));
    m_tabs->addTab(m_userTools, Str::text(Str::TabUserTools));

    QDialogButtonBox *buttons = okCancelBox(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

void CProgramCallsSheet::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        m_userTools->storeShown();
        if (result == QDialog::Accepted) {
            m_settings.tex = m_tex->value();
            m_settings.bibtex = m_bibtex->value();
            m_settings.dviViewer = m_dviwin->value();
            m_settings.dvips = m_dvips->value();
            m_settings.psViewer = m_ghostview->value();
        }
        // Every tool key, in the order BibTeX, TeX, DVI viewer, DVIPS, PostScript
        // viewer, then the ten user tools.
        const bool written = m_settings.writeToolSettings();
        if (!(m_settings.writeUserTools() && written))
            m_prompter.message(m_settings.lastError());
    }
    QDialog::done(result);
}
