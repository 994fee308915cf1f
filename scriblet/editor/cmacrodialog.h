// The dialog "Makros": edits a copy of the ten macros; OK hands the copy back,
// "Abbrechen" drops it. The key list offers "F01".."F12"; F11 and F12 have no
// macro and show empty, read-only fields.
#pragma once

#include "editor/macrofile.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

class CMacroDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CMacroDialog(const MacroTable &table, QWidget *parent = nullptr);
    // The edited table (valid after OK).
    MacroTable table() const;

    void accept() override;

private:
    void store();
    void show(int index);

    MacroTable m_table;
    int m_current = 0;
    QComboBox *m_key;
    QLineEdit *m_name;
    QPlainTextEdit *m_text;
};
