// Help > "Vellumix..." (F1) and "LaTeX..." (Ctrl+F1) in the real frame: the help
// files beside the program, the README in the help window, texdoc's LaTeX reference
// (the real texdoc, and a stand-in that knows one), and what is said when there is none.
#include "vellumixfixture.h"

#include "app/helpcommands.h"
#include "app/helpfiles.h"
#include "app/helpwindow.h"
#include "app/tframeform.h"
#include "programcalls/desktopopener.h"

#include <QDir>
#include <QFile>
#include <QTextBrowser>

namespace {

class HelpTest : public VellumixTest
{
protected:
    // The opener records what it was given.
    void recordOpener()
    {
        ASSERT_TRUE(makeRecordingHelper(path("bin/opener"), path("record.txt"), testsupport::helperPath()));
        frame().help().opener().setProgram(path("bin/opener"));
    }
    // A texdoc that lists the given lines.
    void fakeTexdoc(const QByteArray &listing)
    {
        testsupport::writeFile(path("bin/texdoc"), "#!/bin/sh\ncat <<'END'\n" + listing + "END\n");
        QFile::setPermissions(path("bin/texdoc"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        frame().help().setTexdoc(path("bin/texdoc"));
    }
};

TEST_F(HelpTest, ProgramHelpIsTheHelpFileElseTheReadmeInAWindow)
{
    testsupport::writeFile(path("prog/README.md"), "# Vellumix\n\nCompile with **F6**.\n");
    trigger("Vellumix1");
    HelpWindow *window = frame().help().helpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isHidden());
    EXPECT_TRUE(window->browser()->toPlainText().contains("Compile with F6."));
    EXPECT_TRUE(prompter.errors.isEmpty());

    // A help file beside the program goes to the desktop opener first.
    recordOpener();
    testsupport::writeFile(path("prog/Vellumix.hlp"), "help");
    trigger("Vellumix1");
    EXPECT_EQ(recordedRun(path("record.txt")), QStringList({path("prog"), path("prog/Vellumix.hlp")}));
}

TEST_F(HelpTest, LatexHelpIsTheHelpFileElseTexdocsReference)
{
    recordOpener();
    fakeTexdoc("latex2e\t0.0\t/no/such/ifplatform.pdf\t\tPackage documentation\n"
               "latex2e\t10.0\t" + path("doc/latex2e.pdf").toUtf8() + "\t\tLaTeX2e reference\n");
    trigger("LaTeX1");
    EXPECT_TRUE(frame().help().isLookingUp());
    EXPECT_EQ(recordedRun(path("record.txt")), QStringList({path("prog"), path("doc/latex2e.pdf")}));

    QFile::remove(path("record.txt"));
    testsupport::writeFile(path("prog/LaTeX2e.hlp"), "help");
    trigger("LaTeX1");
    EXPECT_EQ(recordedRun(path("record.txt")), QStringList({path("prog"), path("prog/LaTeX2e.hlp")}));
    EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(HelpTest, WithoutAnyLatexHelpItSaysSo)
{
    // Only bad guesses (texdoc's fuzzy hits), then the real texdoc of this host.
    fakeTexdoc("latex2e\t0.0\t/x/ifplatform.pdf\t\tPackage documentation\nlatex2e\t-2.2\t/x/README\t\tReadme\n");
    trigger("LaTeX1");
    ASSERT_TRUE(waitUntil([&] { return !prompter.errors.isEmpty(); }));
    EXPECT_EQ(prompter.errors, QStringList({HelpFiles::NoLatexHelp.arg(path("prog"))}));

    if (!testsupport::haveProgram("texdoc"))
        GTEST_SKIP() << "no texdoc here";
    prompter.errors.clear();
    frame().help().setTexdoc("texdoc");
    recordOpener();
    trigger("LaTeX1");
    ASSERT_TRUE(waitUntil([&] { return !prompter.errors.isEmpty() || QFile::exists(path("record.txt")); }));
    // Either this host has the reference (it went to the opener) or it says there is none.
    if (!QFile::exists(path("record.txt"))) {
        EXPECT_EQ(prompter.errors, QStringList({HelpFiles::NoLatexHelp.arg(path("prog"))}));
    }
}

TEST(HelpFiles, TexdocsBestGoodMatch)
{
    EXPECT_EQ(HelpFiles::bestTexdocMatch("latex2e\t0.0\t/a.pdf\t\t\nlatex2e\t-2\t/b\t\t\n"), QString());
    EXPECT_EQ(HelpFiles::bestTexdocMatch("latex2e\t12.5\t/r/latex2e.pdf\t\tRef\nlatex2e\t3\t/r/other.pdf\t\t\n"),
              "/r/latex2e.pdf");
    EXPECT_EQ(HelpFiles::bestTexdocMatch("Sorry, no documentation found\n\ngarbage\tline\n"), QString());
}

} // namespace
