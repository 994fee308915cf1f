// The header and footer templates of printed pages.
#include "editor/pagetemplate.h"

#include "editor/cshelldoc.h"
#include "scribletfixture.h"

#include <QTextDocument>

namespace {

TEST(PageTemplate, ReplacesTheFirstOfEachPlaceholderPageNumberFirst)
{
    EXPECT_EQ(PageTemplate::expand(QStringLiteral("Seite: &p"), 3, QStringLiteral("/a/b.tex")), QStringLiteral("Seite: 3"));
    EXPECT_EQ(PageTemplate::expand(QStringLiteral("Datei: &f"), 12, QStringLiteral("/a/b.tex")),
              QStringLiteral("Datei: /a/b.tex"));
    // Only the first occurrence of each is replaced.
    EXPECT_EQ(PageTemplate::expand(QStringLiteral("&p von &p"), 7, QString()), QStringLiteral("7 von &p"));
    EXPECT_EQ(PageTemplate::expand(QStringLiteral("&f|&f &p"), 2, QStringLiteral("x")), QStringLiteral("x|&f 2"));
    // The page number goes in before the name: a name holding "&p" stays whole.
    EXPECT_EQ(PageTemplate::expand(QStringLiteral("&f - &p"), 4, QStringLiteral("/t/a&pb.tex")),
              QStringLiteral("/t/a&pb.tex - 4"));
    // Other text, single ampersands included, stays as written; empty stays empty.
    EXPECT_EQ(PageTemplate::expand(QStringLiteral("A & B &x"), 1, QStringLiteral("n")), QStringLiteral("A & B &x"));
    EXPECT_EQ(PageTemplate::expand(QString(), 1, QStringLiteral("n")), QString());
}

class PageTemplateDocTest : public ScribletTest
{
};

TEST_F(PageTemplateDocTest, UntitledDocumentGivesItsTitleSavedOneItsFullPath)
{
    CShellDoc doc;
    doc.newDocument(QStringLiteral("Tex File 1"));
    doc.textDocument()->setPlainText(QStringLiteral("text"));
    doc.setModifiedFlag(true); // the modified mark is no part of the name
    EXPECT_EQ(PageTemplate::documentName(doc), QStringLiteral("Tex File 1"));
    EXPECT_EQ(PageTemplate::expand(QStringLiteral("Datei: &f"), 1, PageTemplate::documentName(doc)),
              QStringLiteral("Datei: Tex File 1"));

    const QString saved = path(QStringLiteral("brief.tex"));
    ASSERT_EQ(doc.save(saved), CShellDoc::SaveResult::Saved);
    EXPECT_EQ(PageTemplate::documentName(doc), saved);
}

} // namespace
