// The appearance dialog: preview, font buttons, OK recolouring every editor while
// keeping modified flags, Cancel changing nothing.
#include "editor/tappearancedialog.h"
#include "editor/teditform.h"

#include "vellumixfixture.h"
#include "testsupport.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

namespace {

using testsupport::writeFile;

TokenClass previewClassAt(QTextEdit *preview, int pos)
{
    const QTextBlock block = preview->document()->findBlock(pos);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (pos >= f.position() && pos < f.position() + f.length())
            return ClassFormats::classOf(f.charFormat());
    }
    return TokenClass::Standard;
}

QPushButton *button(QWidget *dlg, const char *name) { return dlg->findChild<QPushButton *>(QLatin1String(name)); }

class AppearanceTest : public testsupport::TempDirTest {};

TEST_F(AppearanceTest, HasEightButtonsWithAccessibleNames)
{
    TAppearanceDialog dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Appearance"));
    for (const char *name : {"BackgroundBtn", "StandardBtn", "TeXBtn", "CommentsBtn", "ParenthesisBtn",
                             "SquareBracketBtn", "RoundBracketBtn", "DollarBtn", "OKBtn", "CancelBtn"}) {
        QPushButton *b = button(&dlg, name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_FALSE(b->accessibleName().isEmpty()) << name;
    }
}

TEST_F(AppearanceTest, PreviewHoldsTheTenLinesHighlighted)
{
    TAppearanceDialog dlg;
    const QString text = dlg.preview()->toPlainText();
    const QStringList lines = text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], QStringLiteral("% Demo to show general appearance "));
    EXPECT_EQ(lines[7], QStringLiteral("Strange coincident, isn't it?"));
    QTextEdit *p = dlg.preview();
    EXPECT_EQ(previewClassAt(p, 5), TokenClass::Comment);
    const int doc = int(text.indexOf("\\documentclass"));
    EXPECT_EQ(previewClassAt(p, doc + 3), TokenClass::TexCommand);
    EXPECT_EQ(previewClassAt(p, doc + 14), TokenClass::SquareBracket);
    EXPECT_EQ(previewClassAt(p, doc + 17), TokenClass::Standard);
    EXPECT_EQ(previewClassAt(p, doc + 20), TokenClass::Parenthesis);
    EXPECT_EQ(previewClassAt(p, int(text.indexOf("(Yes"))), TokenClass::RoundBracket);
    EXPECT_EQ(previewClassAt(p, int(text.indexOf("$e"))), TokenClass::Dollar);
    EXPECT_EQ(p->textCursor().position(), 0);
}

TEST_F(AppearanceTest, FontButtonChangesOnlyItsClassAndThePreview)
{
    TAppearanceDialog dlg;
    dlg.setFontPicker([](QWidget *, ClassFont &f) {
        f.color = Qt::red;
        f.bold = true;
        return true;
    });
    QColor bg = Qt::yellow;
    dlg.setColorPicker([&](QWidget *, QColor &c) {
        c = bg;
        return true;
    });
    button(&dlg, "DollarBtn")->click();
    button(&dlg, "BackgroundBtn")->click();
    EXPECT_EQ(dlg.fonts()[size_t(TokenClass::Dollar)].color, QColor(Qt::red));
    EXPECT_EQ(dlg.fonts()[size_t(TokenClass::TexCommand)], ClassFont{});
    EXPECT_EQ(dlg.backgroundColor(), QColor(Qt::yellow));
    const int dollar = int(dlg.preview()->toPlainText().indexOf("$e"));
    QTextCursor c(dlg.preview()->document());
    c.setPosition(dollar + 1);
    EXPECT_EQ(c.charFormat().foreground().color(), QColor(Qt::red));
    EXPECT_EQ(dlg.preview()->palette().color(QPalette::Base), QColor(Qt::yellow));
}

TEST_F(AppearanceTest, BoldRedTexFontReachesEveryEditorKeepingModifiedFlags)
{
    RecordingEditorHost host;
    writeFile(path("a.tex"), "\\section{A}\n");
    writeFile(path("b.tex"), "\\emph{B}\n");
    TEditForm a(&host), b(&host);
    ASSERT_TRUE(a.loadFromFile(path("a.tex")));
    ASSERT_TRUE(b.loadFromFile(path("b.tex")));
    QTest::keyClicks(b.editor(), "x");
    ASSERT_TRUE(b.isModified());
    QSignalSpy spyA(&a, &TEditForm::modifiedChanged);

    TAppearanceDialog dlg;
    dlg.setFontPicker([](QWidget *, ClassFont &f) {
        f.color = Qt::red;
        f.bold = true;
        return true;
    });
    QTimer::singleShot(0, &dlg, [&] {
        button(&dlg, "TeXBtn")->click();
        button(&dlg, "OKBtn")->click();
    });
    ASSERT_TRUE(dlg.edit(host.fonts, host.background));
    TAppearanceDialog::applyToEditors({&a, &b});

    for (TEditForm *e : {&a, &b}) {
        ASSERT_TRUE(waitUntil([e] { return e->highlightingDone(); }));
        const QTextCharFormat f = e->formatAt(e->plainText().indexOf(QLatin1Char('\\')) + 2);
        EXPECT_EQ(f.foreground().color(), QColor(Qt::red));
        EXPECT_EQ(f.fontWeight(), QFont::Bold);
    }
    EXPECT_FALSE(a.isModified());
    EXPECT_TRUE(spyA.isEmpty());
    EXPECT_TRUE(b.isModified());
}

TEST_F(AppearanceTest, CancelChangesNothing)
{
    RecordingEditorHost host;
    const ClassFonts before = host.fonts;
    TAppearanceDialog dlg;
    dlg.setFontPicker([](QWidget *, ClassFont &f) {
        f.face = QStringLiteral("Other");
        return true;
    });
    QTimer::singleShot(0, &dlg, [&] {
        button(&dlg, "StandardBtn")->click();
        button(&dlg, "CancelBtn")->click();
    });
    EXPECT_FALSE(dlg.edit(host.fonts, host.background));
    EXPECT_EQ(host.fonts, before);
    EXPECT_EQ(host.background, QColor(Qt::white));
}

TEST_F(AppearanceTest, RecolouringWithHighlightingOffSetsEverythingStandard)
{
    RecordingEditorHost host;
    writeFile(path("a.tex"), "\\section{A}");
    TEditForm a(&host);
    ASSERT_TRUE(a.loadFromFile(path("a.tex")));
    host.options.syntaxColoring = false;
    host.fonts[0].color = Qt::blue;
    TAppearanceDialog::applyToEditors({&a});
    ASSERT_TRUE(waitUntil([&] { return a.highlightingDone(); }));
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(a.classAt(i), TokenClass::Standard) << i;
    EXPECT_EQ(a.formatAt(3).foreground().color(), QColor(Qt::blue));
    EXPECT_EQ(a.editor()->palette().color(QPalette::Text), QColor(Qt::blue));
    EXPECT_FALSE(a.isModified());
}

} // namespace
