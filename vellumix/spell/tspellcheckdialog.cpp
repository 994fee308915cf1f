#include "spell/tspellcheckdialog.h"

#include "common/prompter.h"
#include "spell/documentlines.h"
#include "spell/ispell.h"
#include "spell/pipetext.h"
#include "spell/spellcheckwalk.h"
#include "spell/spellhost.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

constexpr char CaptionText[] = "Spell Check";

// The hourglass while the checker works.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

QPushButton *makeButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TSpellCheckDialog::TSpellCheckDialog(SpellHost &host, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_host(host), m_ispell(std::make_unique<Ispell>())
{
    setObjectName(QStringLiteral("SpellCheckDialog"));
    setWindowTitle(QLatin1String(CaptionText));
    setAccessibleName(QLatin1String(CaptionText));
    setModal(false);

    m_word = new QLineEdit(this);
    m_word->setObjectName(QStringLiteral("WordEdit"));
    m_word->setAccessibleName(QStringLiteral("Word"));
    m_suggestions = new QListWidget(this);
    m_suggestions->setObjectName(QStringLiteral("SuggestionList"));
    m_suggestions->setAccessibleName(QStringLiteral("Suggestions"));
    m_continue = makeButton(QStringLiteral("&Continue"), QStringLiteral("ContinueBtn"), this);
    m_change = makeButton(QStringLiteral("C&hange"), QStringLiteral("ChangeBtn"), this);
    m_neverChange = makeButton(QStringLiteral("&Never Change"), QStringLiteral("NeverChangeBtn"), this);
    m_add = makeButton(QStringLiteral("&Add to Dictionary"), QStringLiteral("AddToDictionaryBtn"), this);
    setWordButtonsEnabled(false);

    connect(m_continue, &QPushButton::clicked, this, &TSpellCheckDialog::continueCheck);
    connect(m_change, &QPushButton::clicked, this, &TSpellCheckDialog::change);
    connect(m_neverChange, &QPushButton::clicked, this, &TSpellCheckDialog::neverChange);
    connect(m_add, &QPushButton::clicked, this, &TSpellCheckDialog::addToDictionary);
    // A suggestion reached by mouse or keys goes into the word field; a double
    // click changes at once.
    connect(m_suggestions, &QListWidget::itemClicked, this, &TSpellCheckDialog::takeSuggestion);
    connect(m_suggestions, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *item) { takeSuggestion(item); });
    connect(m_suggestions, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        takeSuggestion(item);
        change();
    });

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {m_continue, m_change, m_neverChange, m_add})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *fields = new QVBoxLayout;
    fields->addWidget(m_word);
    fields->addWidget(m_suggestions, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
}

TSpellCheckDialog::~TSpellCheckDialog() = default;

void TSpellCheckDialog::setReplyTimeout(int ms)
{
    if (!m_ispell->isRunning())
        m_ispell = std::make_unique<Ispell>(ms);
}

void TSpellCheckDialog::setVisible(bool visible)
{
    if (!visible) {
        QDialog::setVisible(false);
        m_ispell->stop();
        return;
    }
    const bool wasVisible = isVisible();
    QDialog::setVisible(true);
    if (wasVisible && m_ispell->isRunning())
        return;
    m_word->clear();
    m_suggestions->clear();
    setWordButtonsEnabled(false);
    m_continue->setEnabled(true);
    m_command = m_host.spellCheckerCommand();
    if (!m_ispell->start(m_command))
        checkerFailed();
}

SpellCheckWalk TSpellCheckDialog::walk() const
{
    return SpellCheckWalk(*m_ispell, PipeText::encodingFor(m_command, m_host.activeEncoding()));
}

void TSpellCheckDialog::continueCheck()
{
    QPlainTextEdit *edit = m_host.activeTextEdit();
    if (!edit)
        return;
    bool failed = false;
    bool endReached = false;
    {
        WaitCursor hourglass;
        m_continue->setEnabled(false);
        setWordButtonsEnabled(false);
        m_suggestions->clear();
        m_word->clear();

        SpellCheckWalk w = walk();
        SpellCheckWalk::Found found;
        const DocumentLines lines(*edit->document());
        switch (w.next(lines, edit->textCursor().selectionEnd(), &found)) {
        case SpellCheckWalk::Outcome::Failed: failed = true; break;
        case SpellCheckWalk::Outcome::EndOfText: endReached = true; break;
        case SpellCheckWalk::Outcome::Found: {
            QTextCursor c(edit->document());
            c.setPosition(found.position);
            c.setPosition(found.position + found.length, QTextCursor::KeepAnchor);
            edit->setTextCursor(c);
            edit->ensureCursorVisible();
            m_word->setText(c.selectedText());
            IspellAnswer::Kind kind;
            QStringList suggestions;
            if (!w.checkWord(m_word->text(), &kind, &suggestions)) {
                failed = true;
                break;
            }
            // Filling the list must not put a suggestion into the word field.
            const QSignalBlocker quiet(m_suggestions);
            m_suggestions->addItems(suggestions);
            m_suggestions->setCurrentRow(-1);
            m_host.focusActiveEditor();
            break;
        }
        }
    }
    if (failed) {
        checkerFailed();
        return;
    }
    if (endReached)
        m_host.prompter().showInformation(QStringLiteral("End of file reached"));
    m_continue->setEnabled(true);
    setWordButtonsEnabled(!m_word->text().isEmpty());
}

void TSpellCheckDialog::change()
{
    QPlainTextEdit *edit = m_host.activeTextEdit();
    if (!edit)
        return;
    QTextCursor c = edit->textCursor();
    c.insertText(m_word->text());
    edit->setTextCursor(c);
    continueCheck();
}

void TSpellCheckDialog::neverChange() { sendWord(WordRequest::NeverChange); }

void TSpellCheckDialog::addToDictionary() { sendWord(WordRequest::AddToDictionary); }

void TSpellCheckDialog::sendWord(WordRequest request)
{
    const QString word = m_word->text().trimmed();
    if (!word.isEmpty()) {
        SpellCheckWalk w = walk();
        if (!w.canCarry(word)) {
            m_host.prompter().showWarning(QStringLiteral("\"%1\" holds characters the Spell Checker's character set "
                                                         "cannot carry; it was not passed on.")
                                              .arg(word));
            return;
        }
        const bool ok = request == WordRequest::NeverChange ? w.acceptForRun(word) : w.addToDictionary(word);
        if (!ok) {
            checkerFailed();
            return;
        }
    }
    continueCheck();
}

void TSpellCheckDialog::checkerFailed()
{
    m_host.prompter().showWarning(m_ispell->failureMessage());
    close();
}

void TSpellCheckDialog::setWordButtonsEnabled(bool on)
{
    for (QPushButton *b : {m_change, m_neverChange, m_add})
        b->setEnabled(on);
}

void TSpellCheckDialog::takeSuggestion(QListWidgetItem *item)
{
    if (item)
        m_word->setText(item->text());
}
