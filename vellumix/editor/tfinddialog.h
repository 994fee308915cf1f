// The find and replace dialogs: search forward only (no direction choice), with the
// match-case and whole-word options. They only collect the request; the editor
// commands act on the active editor.
#pragma once

#include "editor/textsearch.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

class TFindDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Find, Replace };
    explicit TFindDialog(Mode mode, QWidget *parent = nullptr);

    Mode mode() const { return m_mode; }
    FindOptions options() const;
    void setFindText(const QString &text);

signals:
    void findNextRequested();
    void replaceRequested();
    void replaceAllRequested();

private:
    Mode m_mode;
    QLineEdit *m_findText;
    QLineEdit *m_replaceText = nullptr;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
};
