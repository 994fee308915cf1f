// The program-calls dialog: edits a copy of the three command templates; OK
// applies it, Cancel drops it, "Set Default" puts the defaults into the fields.
#pragma once

#include "common/programtemplates.h"

#include <QDialog>

class QLineEdit;

class TProgramsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TProgramsDialog(QWidget *parent = nullptr);

    // Fields shown / as edited.
    void setTemplates(const ProgramTemplates &templates);
    ProgramTemplates templates() const;

    // Shows the dialog modally with the given templates; on OK they are replaced by
    // the fields and true is returned, on Cancel they stay as they were.
    bool edit(ProgramTemplates &templates);

public slots:
    void setDefault();

private:
    QLineEdit *m_compile;
    QLineEdit *m_logFile;
    QLineEdit *m_preview;
};
