// A form row of a caption and its field, as every dialog of Vellumix makes them:
// the caption is the field's buddy (its mnemonic focuses the field) and, without
// "&" and ":", the field's accessible name.
#pragma once

#include <QFormLayout>
#include <QLabel>

inline QLabel *addLabelledRow(QFormLayout *form, const QString &caption, QWidget *field)
{
    auto *label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    field->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    form->addRow(label, field);
    return label;
}
