// The spell check wired to the frame: Edit > "Spe&ll Check..." (enabled while a
// command line is set) saves the modified editors and shows the "Spell Check"
// window; Options > "Sp&ell Checker..." edits the command line. Both windows are
// created once with the frame. The spell check window is placed from [Toolboxes] when
// it is created, shown at start-up when it was open at the last exit, and its place
// and visibility go back into the settings before they are written.
#pragma once

#include "spell/spellhost.h"

#include <QObject>

class QAction;
class TFrameForm;
class TOptSpellCheckDialog;
class TSpellCheckDialog;

class SpellWiring final : public QObject, public SpellHost
{
    Q_OBJECT
public:
    explicit SpellWiring(TFrameForm &frame);
    // The window goes first: it stops its checker while its host still exists.
    ~SpellWiring() override;

    TSpellCheckDialog *window() const { return m_window; }
    TOptSpellCheckDialog *optionsDialog() const { return m_options; }

    // Shows the window when it was open at the last exit (and a command is set).
    void restoreWindow();
    // The window's place and visibility into the settings.
    void storeWindow();

    Prompter &prompter() override;
    QString spellCheckerCommand() const override;
    QPlainTextEdit *activeTextEdit() const override;
    TextCodec::Encoding activeEncoding() const override;
    void focusActiveEditor() override;

private:
    void onSpellCheck();
    void onSpellChecker();
    void refreshSpellCheckItem();

    TFrameForm &m_frame;
    TSpellCheckDialog *m_window;
    TOptSpellCheckDialog *m_options;
    QAction *m_spellCheck;
    QAction *m_spellChecker;
};
