// The main-document dialog "Haupt-TeX-Dokument" (844): the main document's file
// name, empty for "the active document".
#pragma once

#include <QDialog>

class Prompter;
class QLineEdit;

class CMainTexDialog : public QDialog
{
    Q_OBJECT
public:
    // prompter answers the browse dialog; it must outlive the dialog.
    CMainTexDialog(const QString &maintex, Prompter &prompter, QWidget *parent = nullptr);

    // The file name (without directory) in the edit line.
    QString mainTex() const;
    // Directory of the file chosen by browsing, else the current directory.
    QString mainPath() const;

    void browse();

private:
    Prompter &m_prompter;
    QLineEdit *m_edit = nullptr;
    QString m_browsedDir;
};
