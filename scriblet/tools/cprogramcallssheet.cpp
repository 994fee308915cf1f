#include "tools/cprogramcallssheet.h"

#include "platform/profile.h"
#include "tools/coptionpages.h"
#include "tools/toolsettings.h"
#include "tools/toolstrings.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CProgramCallsSheet::CProgramCallsSheet(ToolSettings &settings, Profile *profile, FileChooser &chooser,
                                       QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_profile(profile)
{
    setObjectName(QStringLiteral("ProgramCallsSheet"));
    setWindowTitle(ToolStrings::ProgramCallsCaption.str());

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("ProgramCallsTabs"));
    m_tabs->setAccessibleName(ToolStrings::ProgramCallsCaption.str());
    m_tex = new COptionTex(settings.tex, chooser);
    m_bibtex = new COptionBibtex(settings.bibtex, chooser);
    m_dviwin = new COptionDVIWin(settings.dviwin, chooser);
    m_dvips = new COptionDVIPS(settings.dvips, chooser);
    m_ghostview = new COptionGhostView(settings.ghostview, chooser);
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
            m_settings.dviwin = m_dviwin->value();
            m_settings.dvips = m_dvips->value();
            m_settings.ghostview = m_ghostview->value();
        }
        if (m_profile && !m_settings.writeToolKeys(*m_profile))
            QMessageBox::warning(this, QStringLiteral("Scriblet"), m_profile->lastError());
    }
    QDialog::done(result);
}
