// A push button with its designer name (objectName) and its caption as accessible
// name, as every dialog of Vellumix makes them.
#pragma once

#include <QPushButton>

inline QPushButton *namedButton(const QString &text, const char *objectName, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(objectName));
    b->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return b;
}
