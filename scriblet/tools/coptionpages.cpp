#include "tools/coptionpages.h"

#include "common/prompter.h"
#include "resources/strings.h"

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
    auto *b = new QPushButton(Str::text(Str::Browse), parent);
    b->setObjectName(QStringLiteral("Browse%1").arg(id));
    b->setAccessibleName(Str::text(Str::BrowseName));
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

} // namespace

COptionToolPage::COptionToolPage(const ToolSettings &tool, const Layout &layout, Prompter &prompter,
                                 QWidget *parent)
    : QWidget(parent)
    , m_tool(tool)
    , m_browseTitleId(layout.browseTitleId)
    , m_prompter(prompter)
{
    m_exe = lineEdit(this, QStringLiteral("Exe1003"), Str::text(Str::ExeFile), tool.exe);
    m_cmd = lineEdit(this, QStringLiteral("Cmd1004"), Str::text(Str::CmdLine), tool.cmd);
    QPushButton *browseBtn = browseButton(this, 1005);

    auto *grid = new QGridLayout(this);
    grid->addWidget(label(this, Str::text(Str::ExeFile), m_exe), 0, 0);
    grid->addWidget(m_exe, 1, 0);
    grid->addWidget(browseBtn, 1, 1);
    grid->addWidget(label(this, Str::text(Str::CmdLine), m_cmd), 2, 0);
    grid->addWidget(m_cmd, 3, 0);
    grid->addWidget(label(this, Str::text(layout.hintId)), 4, 0);
    int row = 5;
    if (layout.runDvips) {
        m_runDvips = checkBox(this, Str::text(Str::RunDvipsFirst), 1006, "RunDvips");
        m_runDvips->setChecked(tool.rundvips != 0);
        grid->addWidget(m_runDvips, row++, 0);
    }
    if (layout.runTexId) {
        m_runTex = checkBox(this, Str::text(Str::RunTexFirst), layout.runTexId, "RunTex");
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
    const QString file = m_prompter.openProgramName(Str::text(m_browseTitleId), Str::text(Str::ExeFilter));
    if (!file.isEmpty())
        m_exe->setText(file);
}

COptionTex::COptionTex(const ToolSettings &tool, Prompter &prompter, QWidget *parent)
    : COptionToolPage(tool, {Str::HintTex, Str::LatexExeTitle, 0, false}, prompter, parent)
{
    setObjectName(QStringLiteral("COptionTex"));
}

COptionBibtex::COptionBibtex(const ToolSettings &tool, Prompter &prompter, QWidget *parent)
    : COptionToolPage(tool, {Str::HintBibtex, Str::BibtexExeTitle, 1011, false}, prompter, parent)
{
    setObjectName(QStringLiteral("COptionBibtex"));
}

COptionDVIWin::COptionDVIWin(const ToolSettings &tool, Prompter &prompter, QWidget *parent)
    : COptionToolPage(tool, {Str::HintDvi, Str::DviWinExeTitle, 1010, false}, prompter, parent)
{
    setObjectName(QStringLiteral("COptionDVIWin"));
}

COptionDVIPS::COptionDVIPS(const ToolSettings &tool, Prompter &prompter, QWidget *parent)
    : COptionToolPage(tool, {Str::HintDvi, Str::DvipsExeTitle, 1012, false}, prompter, parent)
{
    setObjectName(QStringLiteral("COptionDVIPS"));
}

COptionGhostView::COptionGhostView(const ToolSettings &tool, Prompter &prompter, QWidget *parent)
    : COptionToolPage(tool, {Str::HintPs, Str::GhostViewExeTitle, 1008, true}, prompter, parent)
{
    setObjectName(QStringLiteral("COptionGhostView"));
}

COptionUserTools::COptionUserTools(CShellSettings &settings, Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("COptionUserTools"));

    auto *group = new QGroupBox(Str::text(Str::UserToolsGroup), this);
    group->setObjectName(QStringLiteral("ToolGroup"));
    m_list = new QListWidget(group);
    m_list->setObjectName(QStringLiteral("ToolList908"));
    m_list->setAccessibleName(Str::text(Str::UserToolsList));
    for (const UserToolSettings &t : settings.userTools)
        m_list->addItem(t.name);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_list);

    m_name = lineEdit(this, QStringLiteral("Name925"), Str::text(Str::ToolName));
    m_exe = lineEdit(this, QStringLiteral("Exe920"), Str::text(Str::ExeFile));
    m_cmd = lineEdit(this, QStringLiteral("Cmd921"), Str::text(Str::CmdLine));
    QPushButton *browseBtn = browseButton(this, 922);
    m_runTex = checkBox(this, Str::text(Str::UserRunTex), 924, "RunTex");
    m_runDvips = checkBox(this, Str::text(Str::UserRunDvips), 923, "RunDvips");
    m_keys = label(this, QString());
    m_keys->setObjectName(QStringLiteral("Keys1018"));
    m_keys->setAccessibleName(Str::text(Str::KeysName));

    auto *fields = new QGridLayout;
    fields->addWidget(label(this, Str::text(Str::ToolName), m_name), 0, 0);
    fields->addWidget(m_name, 1, 0, 1, 2);
    fields->addWidget(label(this, Str::text(Str::ExeFile), m_exe), 2, 0);
    fields->addWidget(m_exe, 3, 0);
    fields->addWidget(browseBtn, 3, 1);
    fields->addWidget(label(this, Str::text(Str::WithExtension)), 4, 0, 1, 2);
    fields->addWidget(label(this, Str::text(Str::CmdLine), m_cmd), 5, 0);
    fields->addWidget(m_cmd, 6, 0, 1, 2);
    fields->addWidget(m_runTex, 7, 0);
    fields->addWidget(m_runDvips, 8, 0);
    auto *keysRow = new QHBoxLayout;
    keysRow->addWidget(label(this, Str::text(Str::KeysLabel), m_keys));
    keysRow->addWidget(m_keys, 1);
    fields->addLayout(keysRow, 9, 0, 1, 2);
    fields->addWidget(label(this, Str::text(Str::Parameters)), 10, 0, 1, 2);
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
    return Str::format(Str::UserToolKeys, {QString::number(n + 1)});
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
    const QString file = m_prompter.openProgramName(Str::text(Str::UserExeTitle), Str::text(Str::ExeFilter));
    if (!file.isEmpty())
        m_exe->setText(file);
}
