// The about box's links: desktop opener, the web-page program as fallback, and
// the reasons by error number when both fail.
#include "app/hyperlinkopener.h"

#include "scribletfixture.h"

#include <QFile>

namespace {

class HyperlinkOpenerTest : public ScribletTest
{
protected:
    // A stand-in program that records its arguments in <name>.rec.
    QString recorder(const QString &name)
    {
        const QString link = path(name);
        QFile::link(testsupport::helperPath(), link);
        testsupport::writeFile(link + ".behave", "record=" + (link + ".rec").toUtf8() + "\n");
        return link;
    }
    QString recorded(const QString &name)
    {
        testsupport::waitFor([&] { return !testsupport::readAll(path(name + ".rec")).isEmpty(); }, 10000);
        return QString::fromUtf8(testsupport::readAll(path(name + ".rec"))).trimmed();
    }
};

TEST_F(HyperlinkOpenerTest, DesktopOpenerGetsTheLink)
{
    HyperlinkOpener opener(recorder(QStringLiteral("opener")), [] { return QString(); });
    EXPECT_EQ(opener.open(QStringLiteral("https://www.ctan.org/")), HyperlinkOpener::Opened);
    EXPECT_TRUE(recorded(QStringLiteral("opener")).endsWith(QStringLiteral("\thttps://www.ctan.org/")));
}

TEST_F(HyperlinkOpenerTest, WebPageProgramStandsInWhenTheOpenerCannotStart)
{
    const QString browser = recorder(QStringLiteral("browser"));
    HyperlinkOpener opener(path(QStringLiteral("no-opener")), [browser] { return browser; });
    EXPECT_EQ(opener.open(QStringLiteral("https://www.latex-project.org/")), HyperlinkOpener::Opened);
    EXPECT_TRUE(recorded(QStringLiteral("browser")).endsWith(QStringLiteral("\thttps://www.latex-project.org/")));

    // Neither can start: the opener's failure decides the message.
    HyperlinkOpener none(path(QStringLiteral("no-opener")), [this] { return path(QStringLiteral("no-browser")); });
    const int result = none.open(QStringLiteral("https://www.ctan.org/"));
    EXPECT_EQ(result, 2);
    EXPECT_EQ(HyperlinkOpener::failureMessage(result),
              QStringLiteral("Unable to open hyperlink:\n\nThe specified file was not found."));
    file(QStringLiteral("not-executable"), "#!/bin/sh\n");
    EXPECT_EQ(HyperlinkOpener(path(QStringLiteral("not-executable")), {}).open(QStringLiteral("x")), 2);
}

// The reason comes from the error number; a number without one is named.
TEST(HyperlinkFailure, ReasonsByErrorNumber)
{
    EXPECT_EQ(HyperlinkOpener::failureMessage(31), QStringLiteral("Unable to open hyperlink:\n\n"
                                                                  "There is no application associated\n"
                                                                  "with the given filename extension."));
    EXPECT_EQ(HyperlinkOpener::failureMessage(26), QStringLiteral("Unable to open hyperlink:\n\nA sharing violation occurred. "));
    EXPECT_EQ(HyperlinkOpener::failureMessage(12), QStringLiteral("Unable to open hyperlink:\n\nUnknown Error (12) occurred."));
    HostProcess::Result denied;
    denied.error = QStringLiteral("execve: Permission denied");
    EXPECT_EQ(HyperlinkOpener::shellResult(denied), 5);
}

} // namespace
