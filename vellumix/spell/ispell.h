// The spell checker as a child process in pipe mode ("ispell ... -a"): started with
// the user's command line, fed one line per query over its standard input, read
// over its standard output. Any program that speaks the same protocol will do: a
// banner line at start; "^" + text asks about a line, "*" + word adds a word to the
// personal dictionary, "@" + word accepts it for this run; every answer to "^" ends
// with an empty line (see IspellAnswer). Lines are sent with CR LF.
//
// Everything works on bytes; the caller encodes and decodes them (SpellCheckWalk).
// The window's thread waits for every answer, but never for long: a checker that
// ends, sends what no spell checker would, or does not answer within the reply
// timeout fails the operation, is stopped and reaped, and failure() says why.
#pragma once

#include "spell/answerlines.h"
#include "spell/ispellanswer.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class QProcess;

class Ispell
{
public:
    static constexpr int DefaultReplyTimeoutMs = 5000;
    // Only so much of the checker's error output is kept for the messages.
    static constexpr qsizetype KeptErrorBytes = 2048;

    enum class Failure { None, NotStarted, Ended, NoAnswer, Unreadable };

    struct WordCheck {
        IspellAnswer::Kind kind = IspellAnswer::Kind::Other;
        QList<QByteArray> suggestions;  // for Kind::Miss
    };
    // The first misspelling of a checked line: where it starts (0-based) in the text
    // that was sent and its length, both in bytes.
    struct LineCheck {
        bool found = false;
        int start = 0;
        int length = 0;
    };

    // The command lines the options dialog offers: the four classic ones, each of the
    // English and German ones followed by the form that names this host's
    // dictionaries (Debian calls them "american" and "ngerman").
    static QStringList suggestedCommands();

    // replyTimeoutMs bounds the wait for the banner and for each answer.
    explicit Ispell(int replyTimeoutMs = DefaultReplyTimeoutMs);
    // Stops the process and reaps it.
    ~Ispell();
    Ispell(const Ispell &) = delete;
    Ispell &operator=(const Ispell &) = delete;

    // Starts the command line (split as the old platform's runtime splits it) and
    // reads the banner. False when the program cannot be found or started, ends
    // before its banner, or sends none in time (Failure::NotStarted).
    bool start(const QString &commandLine);
    bool isRunning() const;
    // The process id while running (for tests that check the reaping), else 0.
    qint64 processId() const;

    // "^" + word: the kind of the first answer line and, for "&", its near misses.
    bool checkWord(const QByteArray &word, WordCheck *result);
    // "^" + text: the first line of the answer that reports a misspelling lying
    // within the text; the rest of the answer is read and dropped.
    bool checkLine(const QByteArray &text, LineCheck *result);
    // "*" + word; no answer.
    bool addToDictionary(const QByteArray &word);
    // "@" + word; no answer.
    bool acceptForRun(const QByteArray &word);

    // Closes the pipes and waits a moment for the process to end (ispell saves the
    // personal dictionary then); one that does not end is killed. Always reaps.
    void stop();

    Failure failure() const { return m_failure; }
    // The message for the user: what failed, then what the checker said about it.
    QString failureMessage() const;

private:
    bool send(char command, const QByteArray &payload);
    // Reads the lines of one answer up to its empty line (not included). A query
    // of n bytes can draw at most n + 1 answer lines.
    bool readAnswer(QList<AnswerLines::Line> *lines, qsizetype maxLines);
    // Waits for more output until the deadline; false (and the failure set) when
    // the process ended or the time ran out.
    bool waitForOutput(const QDeadlineTimer &deadline);
    void collectErrorOutput();
    bool fail(Failure failure, const QString &detail = QString());
    void reap(bool gently);

    int m_replyTimeoutMs;
    std::unique_ptr<QProcess> m_process;
    AnswerLines m_output;
    QByteArray m_errorOutput;
    Failure m_failure = Failure::None;
    QString m_detail;
};
