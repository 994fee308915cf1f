// What "Insert Graphics" and "Insert Image" share: a form built from the dialog's
// field table (lists, texts, a file name with "Browse..."), OK, Cancel and Help.
// "Browse..." asks for a file titled "Select Image" with the dialog's filters and
// puts its name, without the folder, into the file-name field.
#pragma once

#include "toolboxes/figureoptions.h"

#include <QComboBox>
#include <QDialog>
#include <QHash>
#include <QLineEdit>
#include <span>
#include <type_traits>
#include <variant>

class QFormLayout;
class ToolboxHost;

class FigureDialog : public QDialog
{
    Q_OBJECT
public:
    // Shows the dialog modally; true on OK.
    bool run() { return exec() == QDialog::Accepted; }
    // "Browse...".
    void browse();
    // "Help": the help topic; closes the dialog as Cancel when helpCloses.
    void help();

protected:
    struct Setup {
        const char *caption;
        const char *objectName;
        const char *filter;
        const char *helpTopic;
        bool helpCloses;
    };
    FigureDialog(const Setup &setup, ToolboxHost &host, QWidget *parent);

    template<typename R> void addFields(std::span<const FigureField<R>> fields)
    {
        for (const FigureField<R> &f : fields)
            addField(QLatin1String(f.label), QLatin1String(f.name), f.kind == FigureField<R>::Kind::List,
                     f.kind == FigureField<R>::Kind::File, f.valueList());
    }
    template<typename R> R values(std::span<const FigureField<R>> fields) const
    {
        R r;
        for (const FigureField<R> &f : fields)
            r.*std::get<QString R::*>(f.member) = value(QLatin1String(f.name));
        return r;
    }
    template<typename R> void setValues(std::span<const FigureField<R>> fields, const R &r)
    {
        for (const FigureField<R> &f : fields)
            setValue(QLatin1String(f.name), r.*std::get<QString R::*>(f.member));
    }

private:
    void addField(const QString &label, const QString &name, bool list, bool file, const QStringList &values);
    QString value(const QString &name) const;
    void setValue(const QString &name, const QString &value);

    Setup m_setup;
    ToolboxHost &m_host;
    QFormLayout *m_form;
    QHash<QString, QWidget *> m_fields;
    QLineEdit *m_fileName = nullptr;
};
