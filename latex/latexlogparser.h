// Reads a LaTeX log (".log") into errors ("! ..." with TeX's "l.NN"), warnings
// ("LaTeX Warning: ...", "Package xyz Warning: ...", font warnings) and bad boxes
// ("Overfull \hbox ..."), each attributed to the file and line TeX was reading.
//
// Attribution follows TeX's stack of open files (TexFileStack) through logical lines
// (LogLineJoiner): wrapped lines are joined, and the texts of messages, which quote
// the user's source with unbalanced parentheses, are kept away from the file stack.
//
// Threading: a plain class without signals or shared state. Either feed() the log in
// chunks from the window's thread (a step costs time in proportion to its chunk;
// bench/bench_latex_log prints the figures), or call parse()/parseFile() in a worker
// thread and hand the LatexLog back. One instance per thread.
#pragma once

#include "latex/latexlog.h"
#include "latex/loglinejoiner.h"
#include "latex/texfilestack.h"

#include <QByteArray>
#include <QString>

class LatexLogParser
{
public:
    struct Options {
        // Folder in which TeX ran; names such as "./chap1.tex" are relative to it.
        // Empty: parseFile() uses the log's folder, the others the current directory.
        QString workingDirectory;
        // TeX's max_print_line (texmf.cnf or the environment variable of that name);
        // 0 when the log is not wrapped. A line longer than this switches the guess off.
        int maxPrintLine = 79;
    };

    LatexLogParser();
    explicit LatexLogParser(const Options &options);

    // Parses the next piece of the log; pieces may end anywhere, even inside a line.
    void feed(const QByteArray &bytes);
    // The log is complete: the last entry is closed.
    void finish();
    // Entries complete so far (all of them after finish()).
    const LatexLog &log() const { return m_log; }
    LatexLog takeLog() { return std::move(m_log); }

    static LatexLog parse(const QByteArray &bytes);
    static LatexLog parse(const QByteArray &bytes, const Options &options);
    // Reads and parses a whole log file. On failure returns false, leaves *log alone
    // and puts the system's reason into *error.
    static bool parseFile(const QString &path, LatexLog *log, QString *error = nullptr);
    static bool parseFile(const QString &path, LatexLog *log, QString *error, Options options);

private:
    enum class State {
        Normal,
        ErrorMessage, // after "! " (or "> " of \show), before TeX's context of the error
        ErrorContext, // the second line of the innermost context ("l.NN ..." and its rest)
        ErrorHelp,    // the help text, up to the blank line
        BoxContent,   // the box display after "Overfull \hbox ...", up to the blank line
        Message,      // a warning or info message and its continuation lines
        Runaway,      // "Runaway argument?" and the argument, up to the error
    };

    void line(const LogicalLine &l);
    void normalLine(const LogicalLine &l);
    bool startMessage(const LogicalLine &l);
    void startBlock(State state, const LogicalLine &l, bool makesEntry, LatexLogEntry::Kind kind);
    void extendBlock(const LogicalLine &l) { m_blockEnd = l.firstLine + l.lineCount; }
    void appendMessage(const QByteArray &text);
    bool isContinuation(const QByteArray &text) const;
    void endBlock();

    LogLineJoiner m_joiner;
    TexFileStack m_files;
    LatexLog m_log;
    QList<LogicalLine> m_lines;

    State m_state = State::Normal;
    int m_stateLines = 0;       // lines seen in the current state
    bool m_makesEntry = false;  // the open block becomes an entry
    LatexLogEntry m_entry;
    QByteArray m_message;       // the entry's text as TeX wrote it
    QByteArray m_continuation;  // how continuation lines of the message start
    bool m_messageOpen = false; // continuation lines may still follow
    bool m_pdfTexWarning = false;
    int m_blockEnd = 0;         // physical line after the block's last line so far
};
