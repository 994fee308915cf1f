// The OK and Cancel buttons every dialog of Scriblet ends with, in the language in
// force, under the object names the dialogs' tests and tools look for; OK is the
// default button (Enter), and the buttons accept or reject the dialog.
#pragma once

#include "resources/strings.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

inline QDialogButtonBox *okCancelBox(QDialog *dialog)
{
    auto *box = new QDialogButtonBox(dialog);
    const auto add = [box](int text, QDialogButtonBox::ButtonRole role, const char *name) {
        QPushButton *b = box->addButton(Str::text(text), role);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleName(Str::text(text));
        return b;
    };
    add(Str::Ok, QDialogButtonBox::AcceptRole, "OKBtn")->setDefault(true);
    add(Str::Cancel, QDialogButtonBox::RejectRole, "CancelBtn");
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}
