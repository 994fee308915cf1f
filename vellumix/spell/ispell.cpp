#include "spell/ispell.h"

#include "platform/hostprocess.h"
#include "platform/textcodec.h"

#include <QDeadlineTimer>
#include <QProcess>

namespace {

// How long a stopped checker may take to save its personal dictionary and end.
constexpr int StopGraceMs = 2000;
// How long a killed checker may take to be reaped.
constexpr int KillWaitMs = 5000;
// Waits are cut into slices so that the error output is drained between them.
constexpr int WaitSliceMs = 50;

// The kinds an answer line to "^" can start with.
bool isAnswerLine(const QByteArray &line)
{
    return !line.isEmpty() && QByteArrayView("*+-&?#").contains(line.at(0));
}

// A short, printable excerpt of what the checker sent, for the messages.
QString excerpt(const QByteArray &bytes)
{
    QString text = TextCodec::decodeDetected(bytes.left(120)).simplified();
    if (bytes.size() > 120)
        text += QStringLiteral("...");
    return text;
}

} // namespace

QStringList Ispell::suggestedCommands()
{
    return {
        QStringLiteral("ispell -t -d english -a"),
        QStringLiteral("ispell -t -d american -a"),
        QStringLiteral("ispell -T latin1 -w \u00e4\u00f6\u00fc\u00c4\u00d6\u00dc\u00df -d deutsch -a"),
        QStringLiteral("ispell -T latin1 -w \u00e4\u00f6\u00fc\u00c4\u00d6\u00dc\u00df -d ngerman -a"),
        QStringLiteral("ispell -t -d dutch -a"),
        QStringLiteral("ispell -t -d francais -a"),
    };
}

Ispell::Ispell(int replyTimeoutMs) : m_replyTimeoutMs(replyTimeoutMs) {}

Ispell::~Ispell() { stop(); }

bool Ispell::isRunning() const { return m_process && m_process->state() != QProcess::NotRunning; }

qint64 Ispell::processId() const { return isRunning() ? m_process->processId() : 0; }

bool Ispell::start(const QString &commandLine)
{
    stop();
    m_failure = Failure::None;
    m_detail.clear();
    m_errorOutput.clear();
    m_output.clear();

    QStringList args = HostProcess::splitCommandLine(commandLine);
    if (args.isEmpty())
        return fail(Failure::NotStarted, QStringLiteral("No program given"));
    const QString program = HostProcess::findProgram(args.first());
    if (program.isEmpty())
        return fail(Failure::NotStarted, QStringLiteral("Program not found: %1").arg(args.first()));
    args.removeFirst();

    m_process = std::make_unique<QProcess>();
    m_process->setProgram(program);
    m_process->setArguments(args);
    m_process->start(QIODevice::ReadWrite);
    if (!m_process->waitForStarted(m_replyTimeoutMs))
        return fail(Failure::NotStarted, m_process->errorString());

    // The banner is the first line; anything else is read with the first answer.
    const QDeadlineTimer deadline(m_replyTimeoutMs);
    while (!m_output.hasLine()) {
        if (m_output.overlong())
            return fail(Failure::NotStarted, QStringLiteral("It sent no banner line."));
        if (!waitForOutput(deadline)) {
            const QString why = m_failure == Failure::NoAnswer
                                    ? QStringLiteral("It sent no banner within %1 ms.").arg(m_replyTimeoutMs)
                                    : m_detail;
            return fail(Failure::NotStarted, why);
        }
    }
    m_output.takeLine();
    return true;
}

bool Ispell::checkWord(const QByteArray &word, WordCheck *result)
{
    *result = WordCheck();
    QList<AnswerLines::Line> lines;
    if (!send('^', word) || !readAnswer(&lines, word.size() + 1))
        return false;
    if (lines.isEmpty())
        return true;
    const AnswerLines::Line &first = lines.first();
    result->kind = IspellAnswer::kindOf(first.text);
    result->suggestions = IspellAnswer::suggestions(first.text, first.cut);
    return true;
}

bool Ispell::checkLine(const QByteArray &text, LineCheck *result)
{
    *result = LineCheck();
    QList<AnswerLines::Line> lines;
    if (!send('^', text) || !readAnswer(&lines, text.size() + 1))
        return false;
    for (const AnswerLines::Line &line : lines) {
        if (!isAnswerLine(line.text))
            return fail(Failure::Unreadable, excerpt(line.text));
    }
    for (const AnswerLines::Line &line : lines) {
        const std::optional<IspellAnswer::Misspelling> m = IspellAnswer::parseMisspelling(line.text);
        // A position outside the text cannot be shown; such a line does not count.
        if (!m || m->word.isEmpty() || m->start + m->word.size() > text.size())
            continue;
        result->found = true;
        result->start = m->start;
        result->length = int(m->word.size());
        break;
    }
    return true;
}

bool Ispell::addToDictionary(const QByteArray &word) { return send('*', word); }

bool Ispell::acceptForRun(const QByteArray &word) { return send('@', word); }

bool Ispell::send(char command, const QByteArray &payload)
{
    if (m_failure != Failure::None)
        return false;
    if (!isRunning())
        return fail(Failure::Ended);
    // Every answer has been read whole: anything still waiting was never asked for.
    m_process->waitForReadyRead(0);
    m_output.append(m_process->readAllStandardOutput());
    if (!m_output.isEmpty()) {
        QByteArray stray;
        while (m_output.hasLine())
            stray += m_output.takeLine().text + ' ';
        return fail(Failure::Unreadable, excerpt(stray));
    }

    // A line break inside the payload would make a second command of its rest.
    QByteArray line = command + payload;
    line.replace('\r', ' ').replace('\n', ' ');
    line += "\r\n";
    m_process->write(line);
    const QDeadlineTimer deadline(m_replyTimeoutMs);
    while (m_process->bytesToWrite() > 0) {
        collectErrorOutput();
        if (m_process->state() == QProcess::NotRunning)
            return fail(Failure::Ended);
        if (deadline.hasExpired())
            return fail(Failure::NoAnswer);
        m_process->waitForBytesWritten(WaitSliceMs);
    }
    return true;
}

bool Ispell::readAnswer(QList<AnswerLines::Line> *lines, qsizetype maxLines)
{
    const QDeadlineTimer deadline(m_replyTimeoutMs);
    while (true) {
        while (m_output.hasLine()) {
            AnswerLines::Line line = m_output.takeLine();
            if (line.text.isEmpty() && !line.cut)
                return true;
            if (lines->size() >= maxLines)
                return fail(Failure::Unreadable, QStringLiteral("More answer lines than the query has words."));
            lines->append(line);
        }
        if (m_output.overlong())
            return fail(Failure::Unreadable, QStringLiteral("An answer line of more than %1 bytes.")
                                                 .arg(AnswerLines::MaxLineBytes));
        if (!waitForOutput(deadline))
            return false;
    }
}

bool Ispell::waitForOutput(const QDeadlineTimer &limit)
{
    while (true) {
        collectErrorOutput();
        if (m_process->bytesAvailable() > 0) {
            m_output.append(m_process->readAllStandardOutput());
            return true;
        }
        if (m_process->state() == QProcess::NotRunning)
            return fail(Failure::Ended);
        const qint64 left = limit.remainingTime();
        if (left <= 0)
            return fail(Failure::NoAnswer);
        m_process->waitForReadyRead(int(qMin<qint64>(left, WaitSliceMs)));
    }
}

void Ispell::collectErrorOutput()
{
    if (!m_process)
        return;
    const QByteArray err = m_process->readAllStandardError();
    const qsizetype room = KeptErrorBytes - m_errorOutput.size();
    if (room > 0)
        m_errorOutput.append(err.left(room));
}

bool Ispell::fail(Failure failure, const QString &detail)
{
    m_failure = failure;
    m_detail = detail;
    if (failure == Failure::Ended && m_detail.isEmpty() && m_process) {
        m_process->waitForFinished(KillWaitMs);
        m_detail = m_process->exitStatus() == QProcess::CrashExit
                       ? QStringLiteral("It crashed.")
                       : QStringLiteral("Its exit code was %1.").arg(m_process->exitCode());
    }
    reap(false);
    return false;
}

void Ispell::reap(bool gently)
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        if (gently) {
            m_process->closeWriteChannel();
            if (!m_process->waitForFinished(StopGraceMs))
                m_process->kill();
        } else {
            m_process->kill();
        }
        m_process->waitForFinished(KillWaitMs);
    }
    collectErrorOutput();
    m_output.clear();
    m_process.reset();
}

void Ispell::stop() { reap(true); }

QString Ispell::failureMessage() const
{
    QString text;
    switch (m_failure) {
    case Failure::None: return QString();
    case Failure::NotStarted: text = QStringLiteral("Could not connect to Spell Checker!"); break;
    case Failure::Ended: text = QStringLiteral("The Spell Checker has ended unexpectedly!"); break;
    case Failure::NoAnswer:
        text = QStringLiteral("The Spell Checker did not answer within %1 seconds!").arg(m_replyTimeoutMs / 1000.0);
        break;
    case Failure::Unreadable: text = QStringLiteral("The Spell Checker sent an answer that cannot be read!"); break;
    }
    QStringList details;
    if (!m_detail.isEmpty())
        details << m_detail;
    const QString said = TextCodec::decodeDetected(m_errorOutput).trimmed();
    if (!said.isEmpty())
        details << said;
    if (!details.isEmpty())
        text += QStringLiteral("\r\n\r\n") + details.join(QStringLiteral("\r\n"));
    return text;
}
