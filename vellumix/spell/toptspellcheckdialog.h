// Options > "Sp&ell Checker...": the spell-checker command line in an editable list
// that offers the suggested commands. The dialog edits a copy: OK hands it back,
// Cancel keeps the old one.
#pragma once

#include <QDialog>

class QComboBox;

class TOptSpellCheckDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TOptSpellCheckDialog(QWidget *parent = nullptr);

    void setCommand(const QString &command);
    QString command() const;

    // Shows the dialog modally with command in the field; on OK command becomes
    // the field's text and true is returned.
    bool edit(QString &command);

private:
    QComboBox *m_command;
};
