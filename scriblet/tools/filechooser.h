// The file-open dialog the tool dialogs need, behind an interface so that tests
// answer it instead of a person.
#pragma once

#include <QString>

class QWidget;

class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // Full path of an existing file, or empty when cancelled. filter is in the old
    // "Name|pattern|" form.
    virtual QString openFile(QWidget *parent, const QString &title, const QString &filter) = 0;
};

// The real dialog.
class DialogFileChooser : public FileChooser
{
public:
    QString openFile(QWidget *parent, const QString &title, const QString &filter) override;
};
