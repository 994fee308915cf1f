// "Define Templates": the list of user templates with Edit, New, Remove, Move up and
// Move down. The dialog owns the templates; it takes a copy when it opens, OK keeps
// the changes and Cancel (also the window's close button) restores the copy.
// Created once at start-up and kept until exit.
#pragma once

#include "templates/usertemplates.h"

#include <QDialog>

class QListWidget;
class QPushButton;
class TEditTemplateDialog;

class TTemplateDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TTemplateDialog(QWidget *parent = nullptr);

    const UserTemplates &templates() const { return m_templates; }
    void setTemplates(const UserTemplates &templates);
    TEditTemplateDialog *editDialog() const { return m_editDialog; }

    // Shows the dialog modally; true on OK.
    bool editTemplates();

    // The selected entry, -1 when none.
    int selectedIndex() const;

public slots:
    // "Edit..." and a double click: the selected entry in the edit-template dialog.
    void editSelected();
    // "New...": an empty entry in the edit-template dialog, appended and selected on OK.
    void addNew();
    void removeSelected();
    void moveUp();
    void moveDown();
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillList(int select);
    void updateButtons();

    UserTemplates m_templates;
    UserTemplates m_copy;
    QListWidget *m_list;
    QPushButton *m_edit;
    QPushButton *m_remove;
    TEditTemplateDialog *m_editDialog;
};
