// "Edit Template": the name and the two parts of one user template; the parts are
// multi-line fields. Created once with the template dialog.
#pragma once

#include "templates/usertemplates.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

class TEditTemplateDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TEditTemplateDialog(QWidget *parent = nullptr);

    // Fields shown / as edited; parts keep CR LF line breaks.
    void setTemplate(const UserTemplate &t);
    UserTemplate editedTemplate() const;

    // Shows the dialog modally filled with t; on OK t takes the fields and true is
    // returned, on Cancel t stays as it was.
    bool edit(UserTemplate &t);

private:
    QLineEdit *m_name;
    QPlainTextEdit *m_part1;
    QPlainTextEdit *m_part2;
};
