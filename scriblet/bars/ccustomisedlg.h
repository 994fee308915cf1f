// The modeless customisation dialog "Symbolleiste / Makroleiste anpassen": the
// catalogue's categories on the left, their commands (image and text) on the
// right; a command is dragged from there onto any bar. Closing it ends the
// customisation (QDialog::finished). A language switch while it is open says its
// texts again and asks for the catalogue in the new language (languageChanged).
#pragma once

#include "bars/customisecatalogue.h"

#include <QDialog>
#include <QIcon>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

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
    // Replaces the catalogue, keeping the category shown.
    void setCatalogue(QList<CatalogueCategory> catalogue);

signals:
    void languageChanged();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QList<CatalogueCategory> m_catalogue;
    LookFn m_look;
    QListWidget *m_categories = nullptr;
    QListWidget *m_commands = nullptr;
    QLabel *m_categoriesLabel = nullptr;
    QLabel *m_commandsLabel = nullptr;
    QLabel *m_hint = nullptr;
    QPushButton *m_close = nullptr;
};
