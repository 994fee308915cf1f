// "Document Options", the document wizard: five tab pages of fields (see
// documentoptions.h for the table that declares them). OK builds the before-text and
// the after-text, kept until the next OK; Cancel keeps the field edits for the next
// opening and inserts nothing. Created once at start-up and kept until exit.
#pragma once

#include "templates/documentoptions.h"

#include <QDialog>
#include <QHash>

class QTabWidget;

class TDocumentDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TDocumentDialog(QWidget *parent = nullptr);

    DocumentOptions options() const;
    void setOptions(const DocumentOptions &options);

    // Shows the dialog modally; true on OK (and the texts are built).
    bool run();
    const QString &beforeText() const { return m_before; }
    const QString &afterText() const { return m_after; }

public slots:
    void accept() override;

private:
    QTabWidget *m_pages;
    // The field of each entry of documentFields(), by field name.
    QHash<QString, QWidget *> m_fields;
    QString m_before;
    QString m_after;
};
