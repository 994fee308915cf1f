// The dialog "Umlaute": the seven replacement texts in two columns. OK hands
// them back; "Abbrechen" drops the edits.
#pragma once

#include "common/cshellsettings.h"

#include <QDialog>
#include <array>

class QLineEdit;

class CUmlautDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CUmlautDialog(const std::array<QString, UmlautCount> &values, QWidget *parent = nullptr);
    std::array<QString, UmlautCount> values() const;

private:
    std::array<QLineEdit *, UmlautCount> m_edits{};
};
