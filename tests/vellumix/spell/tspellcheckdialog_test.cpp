// The spell check in the real frame with the real ispell: Edit > "Spe&ll Check...",
// the window's buttons on an editor's text, the options dialog, a failing checker,
// the window's place in [Toolboxes], and umlauts back in the document's encoding.
#include "app/tframeform.h"
#include "editor/teditform.h"
#include "platform/profile.h"
#include "spell/ispell.h"
#include "spell/toptspellcheckdialog.h"
#include "spell/tspellcheckdialog.h"
#include "vellumixfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class SpellWindowTest : public VellumixTest
{
protected:
    // Opens doc/<name> holding bytes, with the spell-checker command set.
    TEditForm *open(const QString &name, const QByteArray &bytes, const QString &command = QLatin1String(EnglishSpellCommand))
    {
        testsupport::writeFile(path(QStringLiteral("doc/") + name), bytes);
        frame().settings().spellChecker = command;
        return frame().openFile(path(QStringLiteral("doc/") + name));
    }
    // Edit > "Spe&ll Check...", as the user reaches it: the menu is opened first.
    void spellCheck()
    {
        emit menu(QStringLiteral("Edit1"))->aboutToShow();
        trigger("SpellCheck1");
    }
    TSpellCheckDialog *window() { return frame().findChild<TSpellCheckDialog *>(QStringLiteral("SpellCheckDialog")); }
    QPushButton *button(const char *name) { return window()->findChild<QPushButton *>(QLatin1String(name)); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QString word() { return window()->findChild<QLineEdit *>(QStringLiteral("WordEdit"))->text(); }
    QListWidget *list() { return window()->findChild<QListWidget *>(QStringLiteral("SuggestionList")); }
    QStringList shown()
    {
        QStringList items;
        for (int i = 0; i < list()->count(); ++i)
            items << list()->item(i)->text();
        return items;
    }
    // A real double click starts with a click.
    void doubleClick(const QString &suggestion)
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, itemCentre(suggestion));
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, itemCentre(suggestion));
    }
    QPoint itemCentre(const QString &text)
    {
        const QList<QListWidgetItem *> found = list()->findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? QPoint() : list()->visualItemRect(found.first()).center();
    }
    QString selected() { return frame().activeEditor()->editor()->textCursor().selectedText(); }
    int selectionStart() { return frame().activeEditor()->editor()->textCursor().selectionStart(); }
    bool wordButtonsEnabled()
    {
        return button("ChangeBtn")->isEnabled() && button("NeverChangeBtn")->isEnabled()
            && button("AddToDictionaryBtn")->isEnabled();
    }
};

TEST_F(SpellWindowTest, TheItemNeedsACommandAndTheOptionsDialogEditsACopy)
{
    frame().newEditor();
    QAction *item = action(QStringLiteral("SpellCheck1"));
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isEnabled());

    auto *options = frame().findChild<TOptSpellCheckDialog *>(QStringLiteral("OptSpellCheckDialog"));
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->windowTitle(), QStringLiteral("Spell Checker"));
    auto *combo = options->findChild<QComboBox *>(QStringLiteral("IspellCommand"));
    QStringList offered;
    for (int i = 0; i < combo->count(); ++i)
        offered << combo->itemText(i);
    for (const char *classic : {"ispell -t -d english -a", "ispell -t -d dutch -a", "ispell -t -d francais -a"})
        EXPECT_TRUE(offered.contains(QLatin1String(classic))) << classic;
    EXPECT_TRUE(offered.contains(QStringLiteral("ispell -T latin1 -w \u00e4\u00f6\u00fc\u00c4\u00d6\u00dc\u00df -d deutsch -a")));
    EXPECT_TRUE(offered.contains(QLatin1String(EnglishSpellCommand)));
    EXPECT_TRUE(offered.contains(GermanSpellCommand));

    QTimer::singleShot(0, [options] {
        options->findChild<QComboBox *>(QStringLiteral("IspellCommand"))->setCurrentText(QLatin1String(EnglishSpellCommand));
        QTest::mouseClick(options->findChild<QPushButton *>(QStringLiteral("OKBtn")), Qt::LeftButton);
    });
    trigger("SpellChecker1");
    EXPECT_EQ(frame().settings().spellChecker, QLatin1String(EnglishSpellCommand));
    EXPECT_TRUE(item->isEnabled());

    QTimer::singleShot(0, [options] {
        options->findChild<QComboBox *>(QStringLiteral("IspellCommand"))->setCurrentText(QStringLiteral("aspell -a"));
        QTest::mouseClick(options->findChild<QPushButton *>(QStringLiteral("CancelBtn")), Qt::LeftButton);
    });
    trigger("SpellChecker1");
    EXPECT_EQ(frame().settings().spellChecker, QLatin1String(EnglishSpellCommand));
}

TEST_F(SpellWindowTest, ContinueChangeNeverChangeAndAddToDictionary)
{
    SKIP_WITHOUT_ISPELL();
    TEditForm *e = open(QStringLiteral("paper.tex"), "wrold first. A fine hosue, a nice hosue.\n"
                                                     "\\section{Tset} qzxvw and wrold again\nqzxvw wrold\n");
    ASSERT_NE(e, nullptr);
    // The caret in the middle of the first line, after its first misspelling.
    e->setCaretPosition(6);
    e->editor()->insertPlainText(QStringLiteral(" "));
    ASSERT_TRUE(e->isModified());
    spellCheck();
    // The editor was saved first; the window is on top, not modal.
    EXPECT_FALSE(e->isModified());
    EXPECT_TRUE(testsupport::readAll(path("doc/paper.tex")).startsWith("wrold  first."));
    ASSERT_TRUE(window()->isVisible());
    EXPECT_FALSE(window()->isModal());
    EXPECT_TRUE(window()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window()->ispell().isRunning());
    EXPECT_FALSE(wordButtonsEnabled());

    click("ContinueBtn");
    EXPECT_EQ(selected(), QStringLiteral("hosue"));
    EXPECT_EQ(selectionStart(), 21);
    EXPECT_EQ(word(), QStringLiteral("hosue"));
    EXPECT_TRUE(shown().contains(QStringLiteral("house")));
    EXPECT_TRUE(wordButtonsEnabled());

    // A click copies the suggestion; Change replaces only the selected word and
    // moves on to the next misspelling.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, itemCentre(QStringLiteral("house")));
    EXPECT_EQ(word(), QStringLiteral("house"));
    click("ChangeBtn");
    EXPECT_TRUE(e->plainText().startsWith(QStringLiteral("wrold  first. A fine house, a nice hosue.")));
    EXPECT_EQ(selected(), QStringLiteral("hosue"));
    EXPECT_EQ(selectionStart(), 35);

    // A double click on a suggestion changes at once.
    doubleClick(QStringLiteral("house"));
    EXPECT_TRUE(e->plainText().startsWith(QStringLiteral("wrold  first. A fine house, a nice house.\n")));
    EXPECT_EQ(selected(), QStringLiteral("Tset"));

    click("ContinueBtn");
    EXPECT_EQ(selected(), QStringLiteral("qzxvw"));
    click("AddToDictionaryBtn");
    EXPECT_EQ(selected(), QStringLiteral("wrold"));
    click("NeverChangeBtn");
    // Neither word is reported again: the third line holds nothing left to find, and
    // the last misspelling stays selected.
    EXPECT_EQ(selectionStart(), e->plainText().indexOf(QStringLiteral("wrold again")));
    EXPECT_TRUE(prompter.messages.contains(QStringLiteral("info: End of file reached")));
    EXPECT_TRUE(button("ContinueBtn")->isEnabled());
    EXPECT_FALSE(wordButtonsEnabled());

    // Closing stops the checker, which keeps the added word in the personal
    // dictionary of the test's home, but not the accepted one.
    const qint64 pid = window()->ispell().processId();
    window()->close();
    EXPECT_FALSE(window()->ispell().isRunning());
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid)));
    const QByteArray personal = testsupport::readAll(path(".ispell_american"));
    EXPECT_TRUE(personal.contains("qzxvw"));
    EXPECT_FALSE(personal.contains("wrold"));
}

TEST_F(SpellWindowTest, ContinueWithoutAnEditorDoesNothing)
{
    SKIP_WITHOUT_ISPELL();
    frame().settings().spellChecker = QLatin1String(EnglishSpellCommand);
    window()->show();
    ASSERT_TRUE(window()->isVisible());
    click("ContinueBtn");
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_TRUE(window()->isVisible());
}

TEST_F(SpellWindowTest, AFailingCheckerClosesTheWindowWithAWarning)
{
    open(QStringLiteral("paper.tex"), "Some words here\nand more\n", QStringLiteral("no-such-checker -a"));
    spellCheck();
    EXPECT_FALSE(window()->isVisible());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.first().startsWith(QStringLiteral("warning: Could not connect to Spell Checker!")));

    // One that ends after its first answer, and one that never answers.
    const QString ends = makeFakeChecker(path("bin/ends"), {QStringLiteral("banner=@(#) Fake"),
                                                            QStringLiteral("answer=*\\n\\n"), QStringLiteral("lines=1")});
    const QString silent = makeFakeChecker(path("bin/silent"), {QStringLiteral("banner=@(#) Fake"),
                                                                QStringLiteral("sleep=600000")});
    const struct {
        QString program;
        QString message;
    } cases[] = {
        {ends, QStringLiteral("warning: The Spell Checker has ended unexpectedly!")},
        {silent, QStringLiteral("warning: The Spell Checker did not answer within 0.5 seconds!")},
    };
    for (const auto &c : cases) {
        prompter.messages.clear();
        frame().settings().spellChecker = c.program + QStringLiteral(" -a");
        window()->setReplyTimeout(500);
        spellCheck();
        ASSERT_TRUE(window()->isVisible());
        const qint64 pid = window()->ispell().processId();
        click("ContinueBtn");
        EXPECT_FALSE(window()->isVisible());
        ASSERT_EQ(prompter.messages.size(), 1);
        EXPECT_TRUE(prompter.messages.first().startsWith(c.message)) << prompter.messages.first().toStdString();
        EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid)));
    }
}

TEST_F(SpellWindowTest, PlaceAndVisibilityComeBackFromToolboxes)
{
    SKIP_WITHOUT_ISPELL();
    testsupport::writeFile(ini(), "[Options]\r\nspellChecker=ispell -t -d american -a\r\n"
                                  "[Toolboxes]\r\nSpellCheckLeft=300\r\nSpellCheckTop=250\r\n");
    EXPECT_EQ(window()->pos(), QPoint(300, 250));
    EXPECT_FALSE(window()->isVisible());
    spellCheck();
    window()->move(320, 260);
    ASSERT_TRUE(closeFrame());
    Profile written(ini());
    EXPECT_EQ(written.getInt(QStringLiteral("Toolboxes"), QStringLiteral("SpellCheckVisible"), 0), 1);
    EXPECT_EQ(written.getInt(QStringLiteral("Toolboxes"), QStringLiteral("SpellCheckLeft"), 0), 320);
    EXPECT_EQ(written.getInt(QStringLiteral("Toolboxes"), QStringLiteral("SpellCheckTop"), 0), 260);

    // Shown again at the next start, with its checker running.
    restart();
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->pos(), QPoint(320, 260));
    EXPECT_TRUE(window()->ispell().isRunning());

    // A place on no screen any more falls back to where the window was designed to be.
    window()->close();
    ASSERT_TRUE(closeFrame());
    Profile(ini()).writeInt(QStringLiteral("Toolboxes"), QStringLiteral("SpellCheckLeft"), -90000);
    restart();
    EXPECT_FALSE(window()->isVisible());
    EXPECT_EQ(window()->pos(), QPoint(277, 198));
}

TEST_F(SpellWindowTest, GermanUmlautsComeBackIntoTheDocumentInItsOwnEncoding)
{
    SKIP_WITHOUT_ISPELL();
    // One Windows-1252 file and one UTF-8 file, each with a correct word with umlauts
    // before a misspelt one whose suggestion has an umlaut as well.
    const struct {
        const char *name;
        QByteArray before;
        QByteArray after;
    } files[] = {
        {"latin.tex", "Die H\xe4user, ein H\xfcser.\n", "Die H\xe4user, ein H\xfcter.\n"},
        {"utf8.tex", "Die H\xc3\xa4user, ein H\xc3\xbcser.\n", "Die H\xc3\xa4user, ein H\xc3\xbcter.\n"},
    };
    for (const auto &f : files) {
        TEditForm *e = open(QLatin1String(f.name), f.before, GermanSpellCommand);
        ASSERT_NE(e, nullptr);
        e->setCaretPosition(0);
        spellCheck();
        click("ContinueBtn");
        EXPECT_EQ(selected(), QStringLiteral("H\u00fcser")) << f.name;
        EXPECT_EQ(word(), QStringLiteral("H\u00fcser"));
        ASSERT_TRUE(shown().contains(QStringLiteral("H\u00fcter"))) << shown().join(',').toStdString();
        doubleClick(QStringLiteral("H\u00fcter"));
        EXPECT_TRUE(prompter.messages.contains(QStringLiteral("info: End of file reached")));
        ASSERT_TRUE(frame().saveEditor(e));
        EXPECT_EQ(testsupport::readAll(path(QStringLiteral("doc/") + QLatin1String(f.name))), f.after) << f.name;
        window()->close();
        prompter.messages.clear();
    }
}

} // namespace
