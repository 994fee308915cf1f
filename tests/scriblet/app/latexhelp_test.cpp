// The LaTeX2e help finds a reference and hands it to the desktop opener.
#include "app/latexhelp.h"

#include "scribletfixture.h"

#include <QFile>

namespace {

class LatexHelpTest : public ScribletTest
{
protected:
    void SetUp() override
    {
        ScribletTest::SetUp();
        QDir().mkpath(path(QStringLiteral("bin")));
        m_host.programDir = path(QStringLiteral("bin"));
        m_host.texdoc.clear();
        m_host.documentationDirs = {path(QStringLiteral("doc"))};
        m_host.opener = path(QStringLiteral("opener"));
        QFile::link(testsupport::helperPath(), m_host.opener);
        testsupport::writeFile(m_host.opener + ".behave", "record=" + path(QStringLiteral("opened.rec")).toUtf8() + "\n");
    }
    QString opened()
    {
        testsupport::waitFor([&] { return !testsupport::readAll(path(QStringLiteral("opened.rec"))).isEmpty(); }, 10000);
        return QString::fromUtf8(testsupport::readAll(path(QStringLiteral("opened.rec")))).trimmed().section(u'\t', 1);
    }
    LatexHelp::Host m_host;
};

TEST_F(LatexHelpTest, ReferenceBesideTheProgramComesFirst)
{
    file(QStringLiteral("doc/latex2e.html"));
    file(QStringLiteral("bin/latex2e.pdf"));
    LatexHelp help(m_host);
    EXPECT_EQ(help.findReference(), path(QStringLiteral("bin/latex2e.pdf")));
    ASSERT_TRUE(help.open());
    EXPECT_EQ(opened(), path(QStringLiteral("bin/latex2e.pdf")));
}

TEST_F(LatexHelpTest, TexdocsAnswerThenInstalledDocumentation)
{
    // texdoc lists its matches as "name, score, path, language, description".
    file(QStringLiteral("tl/latex2e.pdf"));
    const QString texdoc = path(QStringLiteral("texdoc"));
    QFile::link(testsupport::helperPath(), texdoc);
    testsupport::writeFile(texdoc + ".behave", "banner=latex2e\t-10\t/nowhere.pdf\t\t\nexit=0\n");
    m_host.texdoc = texdoc;
    file(QStringLiteral("doc/latex2e.html"));
    EXPECT_EQ(LatexHelp(m_host).findReference(), path(QStringLiteral("doc/latex2e.html"))); // no usable match

    testsupport::writeFile(texdoc + ".behave", "banner=latex2e\t1.5\t" + path(QStringLiteral("tl/latex2e.pdf")).toUtf8()
                                                   + "\t\tLaTeX2e reference\n");
    EXPECT_EQ(LatexHelp(m_host).findReference(), path(QStringLiteral("tl/latex2e.pdf")));
}

TEST_F(LatexHelpTest, NothingToShowOrNoOpenerFails)
{
    m_host.texdoc = path(QStringLiteral("no-texdoc"));
    EXPECT_FALSE(LatexHelp(m_host).open());
    file(QStringLiteral("doc/latex2e.html"));
    m_host.opener = path(QStringLiteral("no-opener"));
    EXPECT_FALSE(LatexHelp(m_host).open());
    EXPECT_TRUE(testsupport::readAll(path(QStringLiteral("opened.rec"))).isEmpty());
}

} // namespace
