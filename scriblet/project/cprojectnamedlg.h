// The dialog "Projektnamen eingeben": one edit field, "OK" and "Abbrechen".
#pragma once

#include <QDialog>

class QLineEdit;

class CProjectNameDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CProjectNameDlg(QWidget *parent = nullptr);
    QString name() const;
    QLineEdit *edit() const { return m_edit; }

private:
    QLineEdit *m_edit;
};
