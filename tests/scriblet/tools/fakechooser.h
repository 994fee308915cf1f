// Answers the tool dialogs' file-open dialog with a prepared path.
#pragma once

#include "tools/filechooser.h"

#include <QStringList>

class FakeChooser : public FileChooser
{
public:
    QString answer;
    QStringList titles;
    QString openFile(QWidget *, const QString &title, const QString &) override
    {
        titles << title;
        return answer;
    }
};
