// The walk through a text with the real ispell: from the caret, line by line, in the
// pipe's encoding and back to the document's characters; long lines in pieces; the
// suggested command lines on this host.
#include "spell/ispell.h"
#include "spell/pipetext.h"
#include "spell/spellcheckwalk.h"
#include "spell/spelllines.h"
#include "vellumixfixture.h"

namespace {

using Encoding = TextCodec::Encoding;

// A text as lines separated by '\n'.
class StringLines : public SpellLines
{
public:
    explicit StringLines(const QString &text) : m_lines(text.split(QLatin1Char('\n')))
    {
        int start = 0;
        for (const QString &l : m_lines) {
            m_starts.append(start);
            start += int(l.size()) + 1;
        }
    }
    int lineCount() const override { return int(m_lines.size()); }
    int lineOf(int position) const override
    {
        int line = 0;
        while (line + 1 < lineCount() && m_starts.at(line + 1) <= position)
            ++line;
        return line;
    }
    int lineStart(int line) const override { return m_starts.at(line); }
    QString lineText(int line) const override { return m_lines.at(line); }

private:
    QStringList m_lines;
    QList<int> m_starts;
};

class SpellCheckWalkTest : public testsupport::TempDirTest
{
protected:
    // The text of the first misspelling at or after position, empty when none;
    // *at gets its position.
    QString next(const QString &command, Encoding documentEncoding, const QString &text, int position = 0,
                 int *at = nullptr)
    {
        if (!m_ispell.isRunning() || command != m_command) {
            m_command = command;
            EXPECT_TRUE(m_ispell.start(command)) << m_ispell.failureMessage().toStdString();
        }
        SpellCheckWalk walk(m_ispell, PipeText::encodingFor(command, documentEncoding));
        SpellCheckWalk::Found found;
        const StringLines lines(text);
        const SpellCheckWalk::Outcome o = walk.next(lines, position, &found);
        EXPECT_NE(o, SpellCheckWalk::Outcome::Failed) << m_ispell.failureMessage().toStdString();
        if (o != SpellCheckWalk::Outcome::Found)
            return QString();
        if (at)
            *at = found.position;
        return text.mid(found.position, found.length);
    }
    QStringList suggestions(const QString &command, const QString &word, IspellAnswer::Kind *kind = nullptr)
    {
        SpellCheckWalk walk(m_ispell, PipeText::encodingFor(command, Encoding::Utf8));
        IspellAnswer::Kind k;
        QStringList list;
        EXPECT_TRUE(walk.checkWord(word, &k, &list));
        if (kind)
            *kind = k;
        return list;
    }

    Ispell m_ispell;
    QString m_command;
};

TEST(PipeText, BytesInThePipesEncodingAndTheWayBackToCharacters)
{
    // "ü" is two bytes in UTF-8, the emoji four (and two UTF-16 units).
    const QString text = QStringLiteral("Gr\u00fc\u00dfe \U0001F600 wrold");
    const PipeText utf8(text, Encoding::Utf8);
    EXPECT_EQ(utf8.bytes(), text.toUtf8());
    const int wrold = int(utf8.bytes().indexOf("wrold"));
    EXPECT_EQ(wrold, 13);
    EXPECT_EQ(utf8.charIndex(wrold), text.indexOf(QStringLiteral("wrold")));
    EXPECT_EQ(utf8.charIndex(int(utf8.bytes().size())), text.size());
    EXPECT_EQ(utf8.byteOffset(text.indexOf(QStringLiteral("wrold"))), wrold);

    // Latin-1 (Windows-1252): one byte each; the emoji has no byte and travels as one
    // '?', and what follows it keeps its place.
    const PipeText latin1(text, Encoding::Windows1252);
    EXPECT_EQ(latin1.bytes(), QByteArray("Gr\xfc\xdf" "e ? wrold"));
    EXPECT_EQ(latin1.charIndex(int(latin1.bytes().indexOf("wrold"))), text.indexOf(QStringLiteral("wrold")));

    const PipeText ascii(QStringLiteral("plain"), Encoding::Utf8);
    EXPECT_EQ(ascii.charIndex(3), 3);
}

TEST(PipeText, LongLinesAreCutAfterBlanksOrBetweenCharacters)
{
    QString words;
    for (int i = 0; i < 3000; ++i)
        words += QStringLiteral("w\u00f6rd ");
    const PipeText blanks(words, Encoding::Utf8);
    const QList<PipeText::Piece> pieces = blanks.pieces(4096);
    ASSERT_GT(pieces.size(), 3);
    int next = 0;
    for (const PipeText::Piece &p : pieces) {
        EXPECT_EQ(p.from, next);
        EXPECT_LE(p.size, 4096);
        EXPECT_EQ(blanks.bytes().at(p.from + p.size - 1), ' ');
        next = p.from + p.size;
    }
    EXPECT_EQ(next, blanks.bytes().size());

    // No blank at all: cut between characters, never inside one.
    const PipeText solid(QString(5000, QChar(0x00e4)), Encoding::Utf8);
    const QList<PipeText::Piece> cut = solid.pieces(4095);
    ASSERT_EQ(cut.size(), 3);
    EXPECT_EQ(cut[0].size, 4094);
    for (const PipeText::Piece &p : cut)
        EXPECT_FALSE(QString::fromUtf8(solid.bytes().mid(p.from, p.size)).contains(QChar::ReplacementCharacter));

    EXPECT_EQ(PipeText(QString(), Encoding::Utf8).pieces(4096).size(), 1);
}

TEST(PipeText, TheCommandsStringTypeChoosesThePipesEncoding)
{
    EXPECT_EQ(PipeText::encodingFor(GermanSpellCommand, Encoding::Utf8), Encoding::Windows1252);
    EXPECT_EQ(PipeText::encodingFor(QStringLiteral("ispell -Tlatin1 -a"), Encoding::Utf8), Encoding::Windows1252);
    EXPECT_EQ(PipeText::encodingFor(QStringLiteral("ispell -T utf8 -a"), Encoding::Windows1252), Encoding::Utf8);
    EXPECT_EQ(PipeText::encodingFor(QLatin1String(EnglishSpellCommand), Encoding::Windows1252), Encoding::Windows1252);
    EXPECT_EQ(PipeText::encodingFor(QLatin1String(EnglishSpellCommand), Encoding::Utf8), Encoding::Utf8);
}

TEST_F(SpellCheckWalkTest, StartsAtTheCaretAndWalksLineByLine)
{
    SKIP_WITHOUT_ISPELL();
    const QString en = QLatin1String(EnglishSpellCommand);
    const QString text = QStringLiteral("hosue and wrold\n\nAll fine here.\n\\section{Intrduction}\nlast");
    int at = -1;
    // A correct word before a misspelt one on the same line.
    EXPECT_EQ(next(en, Encoding::Utf8, QStringLiteral("hello wrold"), 0, &at), QStringLiteral("wrold"));
    EXPECT_EQ(at, 6);
    // From the caret in the middle of the line, not from its start.
    EXPECT_EQ(next(en, Encoding::Utf8, text, 5, &at), QStringLiteral("wrold"));
    EXPECT_EQ(at, 10);
    // From the end of that word on: the later lines, TeX commands skipped.
    EXPECT_EQ(next(en, Encoding::Utf8, text, 15, &at), QStringLiteral("Intrduction"));
    EXPECT_EQ(at, text.indexOf(QStringLiteral("Intrduction")));
    EXPECT_TRUE(next(en, Encoding::Utf8, text, at + 11).isEmpty());
}

TEST_F(SpellCheckWalkTest, LongLinesAreCheckedToTheirEnd)
{
    SKIP_WITHOUT_ISPELL();
    // 15000 characters on one line, dashes of three UTF-8 bytes before the misspelling.
    QString line;
    while (line.size() < 15000)
        line += QStringLiteral("hello \u2013 world ");
    line += QStringLiteral("wrold fine");
    int at = -1;
    EXPECT_EQ(next(QLatin1String(EnglishSpellCommand), Encoding::Utf8, line, 0, &at), QStringLiteral("wrold"));
    EXPECT_EQ(at, line.indexOf(QStringLiteral("wrold")));
}

TEST_F(SpellCheckWalkTest, GermanUmlautsTravelInLatin1OrUtf8AndComeBackWhole)
{
    SKIP_WITHOUT_ISPELL();
    const QString text = QStringLiteral("Die H\u00e4user und Gr\u00fc\u00dfe, ein H\u00fcser und die Strasse.");
    const QString utf8Command = QStringLiteral("ispell -T utf8 -d ngerman -a");
    for (const QString &command : {GermanSpellCommand, utf8Command}) {
        for (const Encoding document : {Encoding::Utf8, Encoding::Windows1252}) {
            int at = -1;
            EXPECT_EQ(next(command, document, text, 0, &at), QStringLiteral("H\u00fcser")) << command.toStdString();
            EXPECT_EQ(at, text.indexOf(QStringLiteral("H\u00fcser")));
            EXPECT_EQ(next(command, document, text, at + 5, &at), QStringLiteral("Strasse"));
        }
        IspellAnswer::Kind kind;
        EXPECT_TRUE(suggestions(command, QStringLiteral("H\u00fcser"), &kind).contains(QStringLiteral("H\u00fcter")));
        EXPECT_EQ(kind, IspellAnswer::Kind::Miss);
        EXPECT_TRUE(suggestions(command, QStringLiteral("Strasse")).contains(QStringLiteral("Stra\u00dfe")));
    }
}

TEST_F(SpellCheckWalkTest, SuggestedEnglishAndGermanCommandsWorkOrSayWhy)
{
    SKIP_WITHOUT_ISPELL();
    struct Language {
        const char *dictionaryWord;
        QStringList names;
        QString correct, misspelt;
    };
    const Language languages[] = {
        {"English", {QStringLiteral("english"), QStringLiteral("american")}, QStringLiteral("house"),
         QStringLiteral("hosue")},
        {"German", {QStringLiteral("deutsch"), QStringLiteral("ngerman")}, QStringLiteral("Gr\u00fc\u00dfe"),
         QStringLiteral("H\u00fcser")},
    };
    for (const Language &lang : languages) {
        int working = 0;
        for (const QString &command : Ispell::suggestedCommands()) {
            if (!std::any_of(lang.names.begin(), lang.names.end(),
                             [&](const QString &n) { return command.contains(QStringLiteral("-d ") + n); }))
                continue;
            Ispell ispell;
            if (!ispell.start(command)) {
                // A dictionary this host does not have: the message names it.
                const QString message = ispell.failureMessage();
                EXPECT_TRUE(message.startsWith(QStringLiteral("Could not connect to Spell Checker!"))) << command.toStdString();
                EXPECT_TRUE(message.contains(QStringLiteral(".hash"))) << message.toStdString();
                continue;
            }
            ++working;
            SpellCheckWalk walk(ispell, PipeText::encodingFor(command, Encoding::Utf8));
            IspellAnswer::Kind kind;
            QStringList list;
            ASSERT_TRUE(walk.checkWord(lang.correct, &kind, &list)) << command.toStdString();
            EXPECT_TRUE(kind == IspellAnswer::Kind::Correct || kind == IspellAnswer::Kind::Root) << command.toStdString();
            ASSERT_TRUE(walk.checkWord(lang.misspelt, &kind, &list));
            EXPECT_EQ(kind, IspellAnswer::Kind::Miss) << command.toStdString();
        }
        EXPECT_GE(working, 1) << "no working " << lang.dictionaryWord << " command";
    }
}

} // namespace
