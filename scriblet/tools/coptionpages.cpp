#include "tools/coptionpages.h"

#include "tools/filechooser.h"
#include "tools/toolstrings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *lineEdit(QWidget *parent, const QString &objectName, const QString &accessible, const QString &text = {})
{
    auto *e = new QLineEdit(text, parent);
    e->setObjectName(objectName);
    e->setAccessibleName(accessible);
    return e;
}

QCheckBox *checkBox(QWidget *parent, const QString &text, int id, const char *prefix)
{
    auto *c = new QCheckBox(text, parent);
    c->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(id));
    c->setAccessibleName(text);
    return c;
}

QPushButton *browseButton(QWidget *parent, int id)
{
    auto *b = new QPushButton(QStringLiteral("&Durchsuchen..."), parent);
    b->setObjectName(QStringLiteral("Browse%1").arg(id));
    b->setAccessibleName(QStringLiteral("Durchsuchen..."));
    return b;
}

QLabel *label(QWidget *parent, const QString &text, QWidget *buddy = nullptr)
{
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

const QString RunTexText = QString::fromUtf8("führe zunächst LaTex aus");
const QString RunDvipsText = QString::fromUtf8("führe zunächst DVIPS aus");

} // namespace

COptionToolPage::COptionToolPage(const ToolSettings &tool, const Layout &layout, FileChooser &chooser,
                                 QWidget *parent)
    : QWidget(parent)
    , m_tool(tool)
    , m_browseTitle(layout.browseTitle)
    , m_chooser(chooser)
{
    m_exe = lineEdit(this, QStringLiteral("Exe1003"), QStringLiteral("exe - Datei"), tool.exe);
    m_cmd = lineEdit(this, QStringLiteral("Cmd1004"), QStringLiteral("cmd - Zeile"), tool.cmd);
    QPushButton *browseBtn = browseButton(this, 1005);

    auto *grid = new QGridLayout(this);
    grid->addWidget(label(this, QStringLiteral("exe - Datei"), m_exe), 0, 0);
    grid->addWidget(m_exe, 1, 0);
    grid->addWidget(browseBtn, 1, 1);
    grid->addWidget(label(this, QStringLiteral("cmd - Zeile"), m_cmd), 2, 0);
    grid->addWidget(m_cmd, 3, 0);
    grid->addWidget(label(this, layout.hint), 4, 0);
    int row = 5;
    if (layout.runDvips) {
        m_runDvips = checkBox(this, RunDvipsText, 1006, "RunDvips");
        m_runDvips->setChecked(tool.rundvips != 0);
        grid->addWidget(m_runDvips, row++, 0);
    }
    if (layout.runTexId) {
        m_runTex = checkBox(this, RunTexText, layout.runTexId, "RunTex");
        m_runTex->setChecked(tool.runtex != 0);
        grid->addWidget(m_runTex, row++, 0);
    }
    grid->setRowStretch(row, 1);
    connect(browseBtn, &QPushButton::clicked, this, &COptionToolPage::browse);
}

ToolSettings COptionToolPage::value() const
{
    ToolSettings t = m_tool;
    t.exe = m_exe->text();
    t.cmd = m_cmd->text();
    if (m_runTex)
        t.runtex = m_runTex->isChecked() ? 1 : 0;
    if (m_runDvips)
        t.rundvips = m_runDvips->isChecked() ? 1 : 0;
    return t;
}

void COptionToolPage::browse()
{
    const QString file = m_chooser.openFile(this, m_browseTitle, ToolStrings::ExeFilter.str());
    if (!file.isEmpty())
        m_exe->setText(file);
}

COptionTex::COptionTex(const ToolSettings &tool, FileChooser &chooser, QWidget *parent)
    : COptionToolPage(tool, {QStringLiteral("%s : Haupt-TeX-Dokument"), ToolStrings::LatexExeTitle.str(), 0, false},
                      chooser, parent)
{
    setObjectName(QStringLiteral("COptionTex"));
}

COptionBibtex::COptionBibtex(const ToolSettings &tool, FileChooser &chooser, QWidget *parent)
    : COptionToolPage(tool, {QStringLiteral("%s : Bib-TeX-Dokument"), ToolStrings::BibtexExeTitle.str(), 1011, false},
                      chooser, parent)
{
    setObjectName(QStringLiteral("COptionBibtex"));
}

COptionDVIWin::COptionDVIWin(const ToolSettings &tool, FileChooser &chooser, QWidget *parent)
    : COptionToolPage(tool, {QStringLiteral("%s : DVI-Dokument"), ToolStrings::DviWinExeTitle.str(), 1010, false},
                      chooser, parent)
{
    setObjectName(QStringLiteral("COptionDVIWin"));
}

COptionDVIPS::COptionDVIPS(const ToolSettings &tool, FileChooser &chooser, QWidget *parent)
    : COptionToolPage(tool, {QStringLiteral("%s : DVI-Dokument"), ToolStrings::DvipsExeTitle.str(), 1012, false},
                      chooser, parent)
{
    setObjectName(QStringLiteral("COptionDVIPS"));
}

COptionGhostView::COptionGhostView(const ToolSettings &tool, FileChooser &chooser, QWidget *parent)
    : COptionToolPage(tool, {QStringLiteral("%s : PS-Dokument"), ToolStrings::GhostViewExeTitle.str(), 1008, true},
                      chooser, parent)
{
    setObjectName(QStringLiteral("COptionGhostView"));
}

COptionUserTools::COptionUserTools(CShellSettings &settings, FileChooser &chooser, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_chooser(chooser)
{
    setObjectName(QStringLiteral("COptionUserTools"));

    auto *group = new QGroupBox(QStringLiteral("Benutzerprogramme:"), this);
    group->setObjectName(QStringLiteral("ToolGroup"));
    m_list = new QListWidget(group);
    m_list->setObjectName(QStringLiteral("ToolList908"));
    m_list->setAccessibleName(QStringLiteral("Benutzerprogramme"));
    for (const UserToolSettings &t : settings.userTools)
        m_list->addItem(t.name);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_list);

    m_name = lineEdit(this, QStringLiteral("Name925"), QStringLiteral("Name"));
    m_exe = lineEdit(this, QStringLiteral("Exe920"), QStringLiteral("exe - Datei"));
    m_cmd = lineEdit(this, QStringLiteral("Cmd921"), QStringLiteral("cmd - Zeile"));
    QPushButton *browseBtn = browseButton(this, 922);
    m_runTex = checkBox(this, QString::fromUtf8("zunächst LaTeX"), 924, "RunTex");
    m_runDvips = checkBox(this, QString::fromUtf8("zunächst DVIPS"), 923, "RunDvips");
    m_keys = label(this, QString());
    m_keys->setObjectName(QStringLiteral("Keys1018"));
    m_keys->setAccessibleName(QStringLiteral("Tasten"));

    auto *fields = new QGridLayout;
    fields->addWidget(label(this, QStringLiteral("Name"), m_name), 0, 0);
    fields->addWidget(m_name, 1, 0, 1, 2);
    fields->addWidget(label(this, QStringLiteral("exe - Datei"), m_exe), 2, 0);
    fields->addWidget(m_exe, 3, 0);
    fields->addWidget(browseBtn, 3, 1);
    fields->addWidget(label(this, QStringLiteral(">> Endung mit eingeben! <<")), 4, 0, 1, 2);
    fields->addWidget(label(this, QStringLiteral("cmd - Zeile"), m_cmd), 5, 0);
    fields->addWidget(m_cmd, 6, 0, 1, 2);
    fields->addWidget(m_runTex, 7, 0);
    fields->addWidget(m_runDvips, 8, 0);
    auto *keysRow = new QHBoxLayout;
    keysRow->addWidget(label(this, QStringLiteral("Tasten:"), m_keys));
    keysRow->addWidget(m_keys, 1);
    fields->addLayout(keysRow, 9, 0, 1, 2);
    fields->addWidget(label(this, QStringLiteral("Parameter:\n%<p>s, %<p>c, %<p>m")), 10, 0, 1, 2);
    fields->setRowStretch(11, 1);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(fields, 1);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_previous = m_selected;
        if (m_previous >= 0 && m_previous < int(m_settings.userTools.size()))
            storeShown();
        m_selected = row;
        show(row);
    });
    connect(browseBtn, &QPushButton::clicked, this, &COptionUserTools::browse);
}

QString COptionUserTools::shortcutText(int n)
{
    return QStringLiteral("Ctrl + F%1").arg(n + 1);
}

void COptionUserTools::selectTool(int n)
{
    m_list->setCurrentRow(n);
}

void COptionUserTools::show(int n)
{
    if (n < 0 || n >= int(m_settings.userTools.size()))
        return;
    const UserToolSettings &t = m_settings.userTools[n];
    m_name->setText(t.name);
    m_exe->setText(t.exe);
    m_cmd->setText(t.cmd);
    m_runTex->setChecked(t.runtex != 0);
    m_runDvips->setChecked(t.rundvips != 0);
    m_keys->setText(shortcutText(n));
}

void COptionUserTools::storeShown()
{
    if (m_selected < 0 || m_selected >= int(m_settings.userTools.size()))
        return;
    UserToolSettings &t = m_settings.userTools[m_selected];
    t.name = m_name->text();
    t.exe = m_exe->text();
    t.cmd = m_cmd->text();
    t.runtex = m_runTex->isChecked() ? 1 : 0;
    t.rundvips = m_runDvips->isChecked() ? 1 : 0;
}

void COptionUserTools::browse()
{
    storeShown();
    const QString file = m_chooser.openFile(this, ToolStrings::UserExeTitle.str(), ToolStrings::ExeFilter.str());
    if (!file.isEmpty())
        m_exe->setText(file);
}
