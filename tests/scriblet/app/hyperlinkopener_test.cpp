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

TEST(HyperlinkFailure, ReasonsByErrorNumber)
{
    const std::pair<int, const char *> rows[] = {
        {0, "The operating system is out\nof memory or resources."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {12, "Unknown Error (12) occurred."},
        {-1, "Unknown Error (-1) occurred."},
    };
    for (const auto &[code, reason] : rows)
        EXPECT_EQ(HyperlinkOpener::failureMessage(code), QStringLiteral("Unable to open hyperlink:\n\n") + QString::fromUtf8(reason))
            << code;
    HostProcess::Result denied;
    denied.error = QStringLiteral("execve: Permission denied");
    EXPECT_EQ(HyperlinkOpener::shellResult(denied), 5);
}

} // namespace
