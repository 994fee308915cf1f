// The "Spell Check" window: stays on top, not modal; created once with the frame.
// Showing it starts the spell checker with the host's command line, hiding it stops
// the checker. Continue walks the active editor from the end of its selection,
// selects the next misspelling, puts it into the word field and the checker's
// suggestions into the list. Change replaces the editor's selection by the word
// field, Never Change accepts the word for the checker's run, Add to Dictionary adds
// it to the personal dictionary; each then continues.
//
// When the checker fails (cannot start, ends, answers what no spell checker would,
// or not in time) the window says why in a warning and closes itself.
#pragma once

#include <QDialog>
#include <memory>

class Ispell;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class SpellCheckWalk;
class SpellHost;

class TSpellCheckDialog : public QDialog
{
    Q_OBJECT
public:
    // The host must outlive the window.
    explicit TSpellCheckDialog(SpellHost &host, QWidget *parent = nullptr);
    ~TSpellCheckDialog() override;

    void setVisible(bool visible) override;

    // The checker of this window (running while the window is shown).
    const Ispell &ispell() const { return *m_ispell; }
    // How long the checker may take for its banner and each answer, from the next
    // start on.
    void setReplyTimeout(int ms);

public slots:
    void continueCheck();
    void change();
    void neverChange();
    void addToDictionary();

private:
    enum class WordRequest { NeverChange, AddToDictionary };
    SpellCheckWalk walk() const;
    void sendWord(WordRequest request);
    // Shows why the checker failed and closes the window.
    void checkerFailed();
    void setWordButtonsEnabled(bool on);
    void takeSuggestion(QListWidgetItem *item);

    SpellHost &m_host;
    std::unique_ptr<Ispell> m_ispell;
    QString m_command;  // the command line the running checker was started with
    QLineEdit *m_word;
    QListWidget *m_suggestions;
    QPushButton *m_continue;
    QPushButton *m_change;
    QPushButton *m_neverChange;
    QPushButton *m_add;
};
