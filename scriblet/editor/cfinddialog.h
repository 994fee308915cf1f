// The dialogs "Suchen" and "Ersetzen": the search text, the replacement (replace
// only) and the case switch; their buttons act on the view at once. The last
// texts are kept in a FindState that outlives the dialog.
#pragma once

#include <QDialog>

class CShellView;
class QCheckBox;
class QLineEdit;

struct FindState {
    QString findText;
    QString replaceText;
    bool matchCase = false;
};

class CFindDialog : public QDialog
{
    Q_OBJECT
public:
    // view and state must outlive the dialog; the selection, when there is one,
    // is the search text.
    CFindDialog(CShellView *view, FindState &state, bool replace, QWidget *parent = nullptr);

    // The texts into the state (done whenever a button acts and on closing).
    void remember();

private:
    CShellView *m_view;
    FindState &m_state;
    QLineEdit *m_what = nullptr;
    QLineEdit *m_with = nullptr;
    QCheckBox *m_case = nullptr;
};
