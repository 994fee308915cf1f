#include "tools/cprogramcallssheet.h"

#include "app/cshellsettings.h"
#include "tools/coptionpages.h"
#include "tools/toolstrings.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CProgramCallsSheet::CProgramCallsSheet(CShellSettings &settings, FileChooser &chooser, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("ProgramCallsSheet"));
    setWindowTitle(ToolStrings::ProgramCallsCaption.str());

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("ProgramCallsTabs"));
    m_tabs->setAccessibleName(ToolStrings::ProgramCallsCaption.str());
    m_tex = new COptionTex(settings.tex, chooser);
    m_bibtex = new COptionBibtex(settings.bibtex, chooser);
    m_dviwin = new COptionDVIWin(settings.dviViewer, chooser);
    m_dvips = new COptionDVIPS(settings.dvips, chooser);
    m_ghostview = new COptionGhostView(settings.psViewer, chooser);
    m_userTools = new COptionUserTools(settings, chooser);
    m_tabs->addTab(m_tex, QStringLiteral("LaTeX"));
    m_tabs->addTab(m_bibtex, QStringLiteral("BibTeX"));
    m_tabs->addTab(m_dviwin, QStringLiteral("DVIWin"));
    m_tabs->addTab(m_dvips, QStringLiteral("DVI PS"));
    m_tabs->addTab(m_ghostview, QStringLiteral("Ghost View"));
    m_tabs->addTab(m_userTools, QStringLiteral("Benutzerdefiniert"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAccessibleName(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

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
            QMessageBox::warning(this, QStringLiteral("Scriblet"), m_settings.lastError());
    }
    QDialog::done(result);
}
