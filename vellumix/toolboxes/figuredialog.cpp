#include "toolboxes/figuredialog.h"

#include "common/namedbutton.h"
#include "common/prompter.h"
#include "toolboxes/toolboxhost.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

FigureDialog::FigureDialog(const Setup &setup, ToolboxHost &host, QWidget *parent)
    : QDialog(parent), m_setup(setup), m_host(host)
{
    setObjectName(QLatin1String(setup.objectName));
    setWindowTitle(QLatin1String(setup.caption));
    setAccessibleName(QLatin1String(setup.caption));

    m_form = new QFormLayout;
    auto *ok = namedButton(QStringLiteral("OK"), "OKBtn", this);
    ok->setDefault(true);
    auto *cancel = namedButton(QStringLiteral("Cancel"), "CancelBtn", this);
    auto *helpBtn = namedButton(QStringLiteral("Help"), "HelpBtn", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpBtn, &QPushButton::clicked, this, &FigureDialog::help);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {ok, cancel, helpBtn})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addLayout(buttons);
}

void FigureDialog::addField(const QString &label, const QString &name, bool list, bool file, const QStringList &values)
{
    QWidget *field;
    QWidget *row;
    if (list) {
        auto *box = new QComboBox(this);
        box->addItems(values);
        field = row = box;
    } else if (file) {
        m_fileName = new QLineEdit(this);
        auto *browseBtn = namedButton(QStringLiteral("Browse..."), "BrowseBtn", this);
        connect(browseBtn, &QPushButton::clicked, this, &FigureDialog::browse);
        row = new QWidget(this);
        auto *line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        line->addWidget(m_fileName, 1);
        line->addWidget(browseBtn);
        field = m_fileName;
    } else {
        field = row = new QLineEdit(this);
    }
    field->setObjectName(name);
    field->setAccessibleName(label);
    auto *caption = new QLabel(label, this);
    caption->setBuddy(field);
    m_form->addRow(caption, row);
    m_fields.insert(name, field);
}

QString FigureDialog::value(const QString &name) const
{
    QWidget *w = m_fields.value(name);
    if (auto *box = qobject_cast<QComboBox *>(w))
        return box->currentText();
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    return QString();
}

void FigureDialog::setValue(const QString &name, const QString &value)
{
    QWidget *w = m_fields.value(name);
    if (auto *box = qobject_cast<QComboBox *>(w)) {
        // A stored value that is not in the list leaves the list as it is.
        const int index = box->findText(value);
        if (index >= 0)
            box->setCurrentIndex(index);
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        edit->setText(value);
    }
}

void FigureDialog::browse()
{
    int filter = 1;
    const QString chosen = m_host.prompter().chooseOpenFile(QLatin1String(SelectImageTitle),
                                                            QLatin1String(m_setup.filter), QString(), &filter);
    if (!chosen.isEmpty() && m_fileName)
        m_fileName->setText(QFileInfo(chosen).fileName());
}

void FigureDialog::help()
{
    m_host.showHelp(QLatin1String(m_setup.helpTopic));
    if (m_setup.helpCloses)
        reject();
}
