// The language files the build makes, and what a file that cannot be used does.
#include "resources/language.h"

#include "common/commandids.h"
#include "resources/strings.h"
#include "scribletfixture.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>

namespace {

class LanguageTest : public ScribletTest
{
};

// The placeholders a text is filled with, in order.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%[suid%]"));
    QStringList out;
    for (auto it = re.globalMatch(text); it.hasNext();)
        out << it.next().captured();
    return out;
}

// Every number the program loads is in each of the three files, and each
// translation still fits the place it is used in: the same placeholders in the
// same order, the same number of filter pairs, prompt and tooltip kept apart, and
// LaTeX markup unchanged.
TEST_F(LanguageTest, EveryNumberIsInAllThreeFilesAndFitsItsUse)
{
    for (int index : {Language::German, Language::English, Language::French}) {
        QString reason;
        const auto t = Language::load(index, LanguageDir, &reason);
        ASSERT_NE(t, nullptr) << Language::fileName(index).toStdString() << ": " << reason.toStdString();
        EXPECT_TRUE(Language::missingNumbers(*t).isEmpty());
        for (int id : Str::ids()) {
            const QString german = Str::german(id);
            const QString translated = t->translate(nullptr, Str::key(id).constData());
            if (index == Language::German || Str::isVerbatim(id)) {
                EXPECT_EQ(translated, german) << id;
                continue;
            }
            EXPECT_EQ(placeholders(translated), placeholders(german)) << id;
            EXPECT_EQ(translated.count(u'|'), german.count(u'|')) << id;
            EXPECT_EQ(translated.count(u'\n'), german.count(u'\n')) << id;
            EXPECT_FALSE(translated.trimmed().isEmpty()) << id;
        }
    }
}

TEST_F(LanguageTest, SwitchingChangesEveryTextAndBack)
{
    ASSERT_TRUE(Language::activate(Language::English, LanguageDir));
    EXPECT_EQ(Language::active(), Language::English);
    EXPECT_EQ(Str::text(Str::MenuFile), QStringLiteral("&File"));
    EXPECT_EQ(Str::prompt(Cmd::RunLatex), QStringLiteral("Runs LaTeX."));
    EXPECT_EQ(Str::text(32824), QStringLiteral("\\dvi\n\\div ")); // markup as it was
    ASSERT_TRUE(Language::activate(Language::French, LanguageDir));
    EXPECT_EQ(Str::text(Str::MenuFile), QStringLiteral("&Fichier"));
    EXPECT_EQ(Str::format(Str::NotFound, {QStringLiteral("a.tex"), QStringLiteral(".")}),
              QStringLiteral("a.tex introuvable dans\n. !!"));
    ASSERT_TRUE(Language::activate(Language::German, LanguageDir));
    EXPECT_EQ(Str::text(Str::MenuFile), QStringLiteral("&Datei"));
    EXPECT_EQ(Str::german(Str::MenuFile), Str::text(Str::MenuFile));
}

TEST_F(LanguageTest, MissingFileKeepsGermanAndSaysWhyInGerman)
{
    ASSERT_TRUE(Language::activate(Language::English, LanguageDir));
    QString message;
    EXPECT_FALSE(Language::activate(Language::French, path(), &message));
    EXPECT_EQ(Language::active(), Language::German);
    EXPECT_EQ(Str::text(Str::MenuFile), QStringLiteral("&Datei"));
    EXPECT_EQ(message, QStringLiteral("Die Sprachdatei %1 ist nicht verwendbar (sie fehlt); die Oberfläche bleibt deutsch.")
                           .arg(path(QStringLiteral("Scriblet_fr.qm"))));
    // German needs no file: the table is built in.
    message.clear();
    EXPECT_TRUE(Language::activate(Language::German, path(), &message));
    EXPECT_TRUE(message.isEmpty());
    EXPECT_FALSE(Str::hasTranslation());
}

// A broken file and a file that lacks texts are refused whole: no interface
// half in one language, half in another.
TEST_F(LanguageTest, BrokenOrIncompleteFileIsRefusedWhole)
{
    file(QStringLiteral("Scriblet_en.qm"), "not a language file");
    QString reason;
    EXPECT_EQ(Language::load(Language::English, path(), &reason), nullptr);
    EXPECT_EQ(reason, QStringLiteral("sie kann nicht gelesen werden"));

    // One translated text only, compiled by the same lrelease as the real files.
    file(QStringLiteral("one.ts"), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                                   "<TS version=\"2.1\" language=\"fr_FR\"><context><name></name>"
                                   "<message id=\"20003\"><source>&amp;Datei</source>"
                                   "<translation>&amp;Fichier</translation></message></context></TS>\n");
    ASSERT_EQ(QProcess::execute(QStringLiteral(SCRIBLET_LRELEASE),
                                {QStringLiteral("-idbased"), QStringLiteral("-silent"), path(QStringLiteral("one.ts")),
                                 QStringLiteral("-qm"), path(QStringLiteral("Scriblet_fr.qm"))}),
              0);
    QString message;
    EXPECT_FALSE(Language::activate(Language::French, path(), &message));
    EXPECT_TRUE(message.contains(QStringLiteral("(%1 Texte fehlen)").arg(Str::ids().size() - 1))) << message.toStdString();
    EXPECT_EQ(Str::text(Str::MenuFile), QStringLiteral("&Datei"));
    EXPECT_EQ(Str::text(Str::MenuEdit), QStringLiteral("&Bearbeiten"));
}

} // namespace
