#include "editor/cfinddialog.h"

#include "editor/cshellview.h"
#include "resources/strings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

CFindDialog::CFindDialog(CShellView *view, FindState &state, bool replace, QWidget *parent)
    : QDialog(parent)
    , m_view(view)
    , m_state(state)
{
    setObjectName(replace ? QStringLiteral("replaceDialog") : QStringLiteral("findDialog"));
    setWindowTitle(Str::text(replace ? Str::ReplaceTitle : Str::FindTitle));
    auto *form = new QFormLayout(this);
    const QString selected = view->textCursor().selectedText();
    m_what = new QLineEdit(selected.isEmpty() ? state.findText : selected);
    m_what->setObjectName(QStringLiteral("findWhat"));
    m_what->setAccessibleName(Str::text(Str::FindWhatName));
    form->addRow(Str::text(Str::FindWhat), m_what);
    if (replace) {
        m_with = new QLineEdit(state.replaceText);
        m_with->setObjectName(QStringLiteral("replaceWith"));
        m_with->setAccessibleName(Str::text(Str::ReplaceWithName));
        form->addRow(Str::text(Str::ReplaceWith), m_with);
    }
    m_case = new QCheckBox(Str::text(Str::MatchCase));
    m_case->setChecked(state.matchCase);
    form->addRow(m_case);

    auto *box = new QDialogButtonBox(this);
    QPushButton *next = box->addButton(Str::text(Str::FindNextButton), QDialogButtonBox::ActionRole);
    connect(next, &QPushButton::clicked, this, [this] {
        remember();
        m_view->findNext(m_state.findText, m_state.matchCase);
    });
    if (replace) {
        connect(box->addButton(Str::text(Str::ReplaceButton), QDialogButtonBox::ActionRole), &QPushButton::clicked,
                this, [this] {
                    remember();
                    m_view->replaceNext(m_state.findText, m_state.replaceText, m_state.matchCase);
                });
        connect(box->addButton(Str::text(Str::ReplaceAllButton), QDialogButtonBox::ActionRole),
                &QPushButton::clicked, this, [this] {
                    remember();
                    m_view->replaceAll(m_state.findText, m_state.replaceText, m_state.matchCase);
                });
    }
    box->addButton(Str::text(Str::Cancel), QDialogButtonBox::RejectRole);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] { remember(); });
    form->addRow(box);
    next->setDefault(true);
}

void CFindDialog::remember()
{
    m_state.findText = m_what->text();
    m_state.matchCase = m_case->isChecked();
    if (m_with)
        m_state.replaceText = m_with->text();
}
