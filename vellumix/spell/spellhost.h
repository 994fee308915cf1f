// What the spell check needs of the window around it: the checker's command line,
// the active editor's text widget and the encoding of its file, a way to hand the
// editor the focus, and the one Prompter. The frame implements it (app/spellwiring);
// tests implement it with a plain text widget.
#pragma once

#include "platform/textcodec.h"

#include <QString>

class Prompter;
class QPlainTextEdit;

class SpellHost
{
public:
    virtual ~SpellHost() = default;

    virtual Prompter &prompter() = 0;
    // The spell-checker command line (Options > "Sp&ell Checker...").
    virtual QString spellCheckerCommand() const = 0;
    // The active editor's text widget; null while no editor is open.
    virtual QPlainTextEdit *activeTextEdit() const = 0;
    // The encoding the active editor's file is read and written in.
    virtual TextCodec::Encoding activeEncoding() const = 0;
    // Brings the active editor's window forward and gives the editor the focus.
    virtual void focusActiveEditor() = 0;
};
