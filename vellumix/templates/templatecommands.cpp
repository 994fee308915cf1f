#include "templates/templatecommands.h"

#include "common/prompter.h"
#include "common/vellumixsettings.h"
#include "platform/profile.h"
#include "platform/savefile.h"
#include "templates/builtintemplates.h"
#include "templates/documentoptions.h"
#include "templates/oldtemplatefiles.h"
#include "templates/tdocumentdialog.h"
#include "templates/templatefile.h"
#include "templates/templateshost.h"
#include "templates/ttemplatedialog.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QWidget>

namespace {

QAction *makeAction(const QString &text, const QString &name, QObject *parent)
{
    auto *a = new QAction(text, parent);
    a->setObjectName(name);
    return a;
}

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

} // namespace

TemplateCommands::TemplateCommands(TemplatesHost &host, const SettingsLocation &location, QWidget *window)
    : QObject(window)
    , m_host(host)
    , m_location(location)
    , m_window(window)
    , m_templateDialog(new TTemplateDialog(window))
    , m_documentDialog(new TDocumentDialog(window))
{
    setObjectName(QStringLiteral("TemplateCommands"));
    for (const BuiltInTemplate &t : BuiltInTemplates) {
        QAction *a = makeAction(QLatin1String(t.caption), QLatin1String(t.objectName), this);
        const QString part1 = QLatin1String(t.part1);
        const QString part2 = QLatin1String(t.part2);
        connect(a, &QAction::triggered, this, [this, part1, part2] { m_host.insert(part1, part2); });
        m_actions.builtIns.append(a);
    }
    m_actions.document = makeAction(QStringLiteral("D&ocument..."), QStringLiteral("Document1"), this);
    connect(m_actions.document, &QAction::triggered, this, &TemplateCommands::runDocumentWizard);
    m_actions.userMenu = new QMenu(QStringLiteral("User &Templates"), window);
    m_actions.userMenu->setObjectName(QStringLiteral("UserTemplatesMenu"));
    m_actions.userMenu->menuAction()->setObjectName(QStringLiteral("UserTemplates1"));
    m_actions.defineTemplates = makeAction(QStringLiteral("&User Templates..."), QStringLiteral("UserTemplates3"), this);
    connect(m_actions.defineTemplates, &QAction::triggered, this, &TemplateCommands::defineTemplates);

    DocumentOptions options;
    options.read(Profile(m_location.inUse));
    m_documentDialog->setOptions(options);
    readTemplates();
    rebuildUserMenu();
}

TemplateCommands::~TemplateCommands() { writeAtExit(); }

const UserTemplates &TemplateCommands::userTemplates() const { return m_templateDialog->templates(); }

void TemplateCommands::readTemplates()
{
    const bool perUser = m_location.target != m_location.programIni;
    OldTemplateFiles::Conversion c;
    c.programDir = QFileInfo(m_location.programIni).absolutePath();
    c.settingsInUse = m_location.inUse;
    c.perUserSettings = m_location.target;
    c.perUserConfigured = perUser;
    c.programDirVersion = m_location.programDirVersion;
    c.perUserVersion = perUser ? VellumixSettings::readVersion(Profile(m_location.target)) : m_location.programDirVersion;
    c.settingsUnavailable = m_location.unavailable;
    if (!OldTemplateFiles::convert(c))
        m_host.prompter().showWarning(QLatin1String(OldTemplateFiles::CouldNotTransformText));

    const QString path = TemplateFile::readPath(m_location.target, m_location.inUse);
    const bool readFromTarget = path == TemplateFile::pathFor(m_location.target);
    const TemplateFile::ReadResult r = TemplateFile::read(path);
    m_templateDialog->setTemplates(UserTemplates(r.templates));
    if (r.error.failed() && r.error.kind != FileError::Kind::NotFound) {
        // What cannot be read is never replaced by an empty list.
        m_keepFile = readFromTarget;
        m_host.prompter().showWarning(r.error.message()
                                      + QStringLiteral("\r\nThe user templates are not available in this run."));
        return;
    }
    if (!r.damaged)
        return;
    // The whole records are used; the file as it was is kept for the user.
    QString text = QStringLiteral("The template file\r\n%1\r\nis damaged; %2 whole templates were read.")
                       .arg(native(path))
                       .arg(r.templates.size());
    const QString copy = path + QStringLiteral(".damaged");
    if (SaveFile::copy(path, copy)) {
        text += QStringLiteral("\r\nThe file as it was is kept as\r\n%1").arg(native(copy));
    } else {
        m_keepFile = readFromTarget;
        text += QStringLiteral("\r\nIt is left as it is.");
    }
    m_host.prompter().showWarning(text);
}

void TemplateCommands::insertTemplate(int index)
{
    if (index < 0 || index >= userTemplates().size())
        return;
    const UserTemplate t = userTemplates().at(index);
    m_host.insert(t.part1, t.part2);
}

void TemplateCommands::defineTemplates()
{
    if (!m_templateDialog->editTemplates())
        return;
    // The user has seen the list and decided on it.
    m_keepFile = false;
    rebuildUserMenu();
    emit templatesChanged();
}

void TemplateCommands::runDocumentWizard()
{
    if (m_documentDialog->run())
        m_host.insert(m_documentDialog->beforeText(), m_documentDialog->afterText());
}

void TemplateCommands::rebuildUserMenu()
{
    qDeleteAll(m_userItems);
    m_userItems.clear();
    const UserTemplates &templates = userTemplates();
    for (int k = 0; k < templates.size(); ++k) {
        // '&' in a name is shown, not taken as a mnemonic.
        QString caption = templates.at(k).name;
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *a = m_actions.userMenu->addAction(caption);
        a->setObjectName(QStringLiteral("UserTemplate%1").arg(k));
        if (k < 12) {
            a->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key(Qt::Key_F1 + k)));
            m_window->addAction(a);
        }
        connect(a, &QAction::triggered, this, [this, k] { insertTemplate(k); });
        m_userItems.append(a);
    }
    m_actions.userMenu->menuAction()->setEnabled(!templates.isEmpty());
}

bool TemplateCommands::writeAtExit(QString *error)
{
    if (m_written || m_location.unavailable)
        return true;
    m_written = true;
    bool ok = true;
    QString why;
    if (!m_keepFile && !TemplateFile::write(TemplateFile::pathFor(m_location.target), userTemplates().entries(), &why)) {
        ok = false;
        if (error)
            *error = why;
    }
    Profile target(m_location.target);
    if (!m_documentDialog->options().write(target, &why) && ok) {
        ok = false;
        if (error)
            *error = why;
    }
    return ok;
}
