// The modeless customisation dialog "Symbolleiste / Makroleiste anpassen": the
// catalogue's categories on the left, their commands (image and text) on the
// right; a command is dragged from there onto any bar. Closing it ends the
// customisation (QDialog::finished).
#pragma once

#include "bars/customisecatalogue.h"

#include <QDialog>
#include <QIcon>
#include <functional>

class QListWidget;

class CCustomiseDlg : public QDialog
{
    Q_OBJECT
public:
    // How an entry looks in the list: its image and its text.
    struct Look {
        QIcon icon;
        QString text;
    };
    using LookFn = std::function<Look(const CatalogueEntry &)>;

    CCustomiseDlg(QList<CatalogueCategory> catalogue, LookFn look, QWidget *parent = nullptr);

    const QList<CatalogueCategory> &catalogue() const { return m_catalogue; }
    QListWidget *categoryList() const { return m_categories; }
    QListWidget *commandList() const { return m_commands; }
    void showCategory(int index);

private:
    QList<CatalogueCategory> m_catalogue;
    LookFn m_look;
    QListWidget *m_categories = nullptr;
    QListWidget *m_commands = nullptr;
};
