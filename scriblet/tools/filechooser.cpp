#include "tools/filechooser.h"

#include "tools/toolstrings.h"

#include <QDir>
#include <QFileDialog>

QString DialogFileChooser::openFile(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, QDir::currentPath(), ToolStrings::qtFileFilter(filter));
}
