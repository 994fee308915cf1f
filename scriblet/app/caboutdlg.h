// The about box (853): the program's name, two links opened by the desktop (see
// HyperlinkOpener) and the licence text.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
