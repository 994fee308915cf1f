// The dialog "Seite einrichten": the header and footer templates of printed
// pages. OK hands both back; "Abbrechen" keeps the old ones.
#pragma once

#include <QDialog>

class QLineEdit;

class CPageSetupDlg : public QDialog
{
    Q_OBJECT
public:
    CPageSetupDlg(const QString &header, const QString &footer, QWidget *parent = nullptr);
    QString header() const;
    QString footer() const;

private:
    QLineEdit *m_header;
    QLineEdit *m_footer;
};
