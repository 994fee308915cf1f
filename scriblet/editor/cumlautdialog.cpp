#include "editor/cumlautdialog.h"

#include "resources/okcancelbox.h"
#include "resources/strings.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CUmlautDialog::CUmlautDialog(const std::array<QString, UmlautCount> &values, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CUmlautDialog"));
    setWindowTitle(Str::text(Str::UmlautTitle));
    auto *outer = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    // Edit ids of the dialog, in UmlautIndex order.
    const int ids[UmlautCount] = {32986, 32985, 32988, 32987, 32990, 32989, 32991};

    for (int i = 0; i < UmlautCount; ++i) {
        auto *edit = new QLineEdit(values[i], this);
        edit->setObjectName(QStringLiteral("edit%1").arg(ids[i]));
        const QString label = Str::text(Str::UmlautLabelAe + i);
        edit->setAccessibleName(label);
        auto *l = new QLabel(label, this);
        l->setBuddy(edit);
        // Lower-case letters left, capitals right; ß alone in the last row.
        const int row = i / 2;
        const int col = (i % 2) * 2;
        grid->addWidget(l, row, col);
        grid->addWidget(edit, row, col + 1);
        m_edits[i] = edit;
    }
    outer->addLayout(grid);
    outer->addWidget(okCancelBox(this));
}

std::array<QString, UmlautCount> CUmlautDialog::values() const
{
    std::array<QString, UmlautCount> out;
    for (int i = 0; i < UmlautCount; ++i)
        out[i] = m_edits[i]->text();
    return out;
}
