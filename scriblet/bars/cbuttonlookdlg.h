// "Aussehen" of a toolbar button: image, text or both, and the button's own text
// (empty: the command's text).
#pragma once

#include "bars/barbuttons.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

class CButtonLookDlg : public QDialog
{
    Q_OBJECT
public:
    CButtonLookDlg(const BarButton &button, QWidget *parent = nullptr);

    // The button with the chosen look and text.
    BarButton result() const;

    // Shows the dialog modally; true (and *button changed) when accepted.
    static bool edit(QWidget *parent, BarButton *button);

private:
    BarButton m_button;
    QRadioButton *m_looks[3] = {};
    QLineEdit *m_text = nullptr;
};
