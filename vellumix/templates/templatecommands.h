// The templates: the six built-in templates and "D&ocument..." of the Templates menu,
// the user templates with their submenu "User &Templates" (Shift+F1 to Shift+F12 on
// the first twelve) and Options > "&User Templates...", and the document wizard.
//
// Created once with the window. At creation old template files are converted (see
// OldTemplateFiles), the template file is read into the template dialog and the
// wizard's fields come from section `Document` of the settings file in use. At exit
// (writeAtExit, or the destructor when that did not run) the template file is
// rewritten in full and the wizard's fields written to the per-user settings file,
// unless settings are unavailable.
#pragma once

#include "common/settingslocation.h"
#include "templates/usertemplates.h"

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QWidget;
class TDocumentDialog;
class TemplatesHost;
class TTemplateDialog;

class TemplateCommands : public QObject
{
    Q_OBJECT
public:
    // The menu items; the window puts them into its menus. User templates: the
    // submenu's items are rebuilt from the templates (UserTemplate0, ...).
    struct Actions {
        QList<QAction *> builtIns;        // Chapter1 ... Description1
        QAction *document = nullptr;      // Document1
        QMenu *userMenu = nullptr;        // UserTemplatesMenu, its item UserTemplates1
        QAction *defineTemplates = nullptr;  // Options: UserTemplates3
    };

    // window: owner of the dialogs, the submenu and of this object; the shortcuts of
    // the submenu's items are added to it so that they work while the menu is hidden.
    TemplateCommands(TemplatesHost &host, const SettingsLocation &location, QWidget *window);
    ~TemplateCommands() override;

    const Actions &actions() const { return m_actions; }
    TTemplateDialog *templateDialog() const { return m_templateDialog; }
    TDocumentDialog *documentDialog() const { return m_documentDialog; }
    const UserTemplates &userTemplates() const;

    // Inserts user template k (from 0) around the selection.
    void insertTemplate(int index);
    // Options > "&User Templates...": the template dialog; on OK the submenu is rebuilt
    // and templatesChanged() emitted.
    void defineTemplates();
    // Templates > "D&ocument...": the wizard; on OK its texts are inserted.
    void runDocumentWizard();
    void rebuildUserMenu();

    // Writes the template file and the wizard's fields (once). False (and *error)
    // when something could not be written.
    bool writeAtExit(QString *error = nullptr);

signals:
    void templatesChanged();

private:
    void readTemplates();

    TemplatesHost &m_host;
    SettingsLocation m_location;
    QWidget *m_window;
    Actions m_actions;
    TTemplateDialog *m_templateDialog;
    TDocumentDialog *m_documentDialog;
    QList<QAction *> m_userItems;
    // The template file could not be read (not missing): it is not replaced at exit.
    bool m_keepFile = false;
    bool m_written = false;
};
