// The toolboxes in the real frame: tool windows of 21-pixel buttons that show their
// symbols, what a click inserts, the speed-bar words, the user-templates toolbox, and
// their places and visibility across restarts.
#include "vellumixfixture.h"

#include "app/tframeform.h"
#include "app/tspeedbar.h"
#include "editor/teditform.h"
#include "platform/profile.h"
#include "templates/templatefile.h"
#include "toolboxes/symbolbutton.h"
#include "toolboxes/symboltoolbox.h"
#include "toolboxes/templaterowbutton.h"
#include "toolboxes/templaterows.h"
#include "toolboxes/toolboxcommands.h"
#include "toolboxes/tusertemplatesdialog.h"

#include <QAction>
#include <QDialog>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTextLayout>
#include <QToolButton>

namespace {

using testsupport::writeFile;

// True when every character of text has a glyph of its own in the font (or in the
// face Qt falls back to), not the empty box of a missing glyph.
bool hasRealGlyphs(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.isEmpty())
        return false;
    for (const QGlyphRun &run : runs)
        for (quint32 glyph : run.glyphIndexes())
            if (glyph == 0)
                return false;
    return true;
}

// Pixels inside the button that stand out from its face: the drawn symbol.
int inkPixels(QWidget *button)
{
    const QImage image = button->grab().toImage();
    const QColor face = image.pixelColor(3, 3);
    int ink = 0;
    for (int y = 4; y < image.height() - 4; ++y)
        for (int x = 4; x < image.width() - 4; ++x) {
            const QColor c = image.pixelColor(x, y);
            ink += qAbs(c.lightness() - face.lightness()) > 80;
        }
    return ink;
}

class ToolboxesTest : public VellumixTest
{
protected:
    ToolboxCommands &boxes() { return frame().toolboxCommands(); }
    static QRect screenArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(ToolboxesTest, SymbolToolboxesAreAlwaysOnTopToolWindowsOfTwentyOnePixelButtons)
{
    const struct { const char *item; SymbolToolbox *box; const char *caption; int rows; } grids[] = {
        {"GreekLetters1", boxes().greekBox(), "Greek Letters", 8},
        {"MathSymbols1", boxes().mathBox(), "Math", 5},
        {"Symbols1", boxes().symbolBox(), "Symbols", 3},
    };
    for (const auto &g : grids) {
        EXPECT_FALSE(g.box->isVisible());
        trigger(g.item);
        ASSERT_TRUE(g.box->isVisible()) << g.item;
        EXPECT_EQ(g.box->windowTitle(), QLatin1String(g.caption));
        EXPECT_TRUE(g.box->windowFlags().testFlag(Qt::Tool));
        EXPECT_TRUE(g.box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(g.box->size(), QSize(6 * 21, g.rows * 21)) << "the client area is the grid";
        ASSERT_EQ(g.box->buttons().size(), 6 * g.rows);
        for (int row = 0; row < g.rows; ++row)
            for (int col = 0; col < 6; ++col)
                EXPECT_EQ(g.box->button(row, col)->geometry(), QRect(col * 21, row * 21, 21, 21));
    }
    EXPECT_EQ(action("UserTemplates2")->shortcut(), QKeySequence(Qt::Key_F12));
    trigger("UserTemplates2");
    EXPECT_TRUE(boxes().templateBox()->isVisible());
    EXPECT_TRUE(boxes().templateBox()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(ToolboxesTest, EveryButtonShowsItsSymbolLegiblyAndNamesWhatItInserts)
{
    for (SymbolToolbox *box : {boxes().greekBox(), boxes().mathBox(), boxes().symbolBox()}) {
        box->show();
        for (SymbolButton *b : box->buttons()) {
            const SymbolEntry &e = b->entry();
            EXPECT_TRUE(hasRealGlyphs(b->text(), SymbolButton::glyphFont())) << e.before;
            EXPECT_GE(inkPixels(b), 2) << e.before;
            EXPECT_EQ(b->accessibleName(), e.insertedText());
            EXPECT_EQ(b->toolTip(), e.insertedText() + "\n" + e.hintText());
        }
    }
    EXPECT_EQ(boxes().greekBox()->button(0, 0)->toolTip(), QStringLiteral("\\alpha\nAlpha"));
}

TEST_F(ToolboxesTest, CapitalRhoInsertsALatinPAndTheSquareRootWrapsTheSelection)
{
    TEditForm *e = editorWith("x+1", 0, 3);
    trigger("GreekLetters1");
    QTest::mouseClick(boxes().greekBox()->button(6, 4), Qt::LeftButton);
    EXPECT_EQ(e->plainText(), QStringLiteral("P x+1"));

    QTextCursor c = e->editor()->textCursor();
    c.setPosition(2);
    c.setPosition(5, QTextCursor::KeepAnchor);
    e->editor()->setTextCursor(c);
    trigger("MathSymbols1");
    QTest::mouseClick(boxes().mathBox()->button(2, 5), Qt::LeftButton);
    EXPECT_EQ(e->plainText(), QStringLiteral("P \\sqrt{x+1} "));
    EXPECT_EQ(e->editor()->textCursor().selectedText(), QStringLiteral("x+1"));

    // Nothing happens while no editor is open.
    e->setModified(false);
    trigger("CloseAll1");
    QTest::mouseClick(boxes().symbolBox()->button(0, 0), Qt::LeftButton);
    EXPECT_TRUE(frame().editors().isEmpty());
}

TEST_F(ToolboxesTest, SpeedBarWordsShowTheToolboxes)
{
    writeFile(ini(), "[General]\r\nversion=61\r\n[Buttons]\r\nG=<greekbox>$Greek$\r\nM=<mathbox>$Math$\r\nS=<symbolbox>$Symbols$\r\n"
                     "T=<templatebox>$Templates$\r\n");
    QWidget *shown[] = {boxes().greekBox(), boxes().mathBox(), boxes().symbolBox(), boxes().templateBox()};
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(frame().speedBar()->button(i)->isEnabled());
        frame().speedBar()->button(i)->click();
        EXPECT_TRUE(shown[i]->isVisible()) << i;
    }
}

TEST_F(ToolboxesTest, PlacesSizeAndVisibilityComeBackAfterARestart)
{
    trigger("GreekLetters1");
    boxes().greekBox()->move(50, 60);
    trigger("UserTemplates2");
    boxes().templateBox()->resize(300, 150);
    boxes().templateBox()->move(70, 80);
    trigger("MathSymbols1");
    boxes().mathBox()->hide();
    ASSERT_TRUE(closeFrame());
    Profile file(ini());
    EXPECT_EQ(file.getString("Toolboxes", "GreekBoxVisible"), "1");
    EXPECT_EQ(file.getString("Toolboxes", "MathBoxVisible"), "0");
    EXPECT_EQ(file.getString("Toolboxes", "GreekLeft"), "50");
    EXPECT_EQ(file.getString("Toolboxes", "TemplWidth"), "300");

    restart();
    EXPECT_TRUE(boxes().greekBox()->isVisible());
    EXPECT_TRUE(boxes().templateBox()->isVisible());
    EXPECT_FALSE(boxes().mathBox()->isVisible());
    EXPECT_FALSE(boxes().symbolBox()->isVisible());
    EXPECT_EQ(boxes().greekBox()->pos(), QPoint(50, 60));
    EXPECT_EQ(boxes().templateBox()->pos(), QPoint(70, 80));
    EXPECT_EQ(boxes().templateBox()->size(), QSize(300, 150));
}

TEST_F(ToolboxesTest, PlacesOffEveryScreenComeBackOnScreen)
{
    writeFile(ini(), "[Toolboxes]\r\nSymbolBoxVisible=1\r\nSymbolLeft=-4000\r\nSymbolTop=99999\r\n"
                     "TemplBoxVisible=1\r\nTemplLeft=2147483647\r\nTemplTop=-2147483648\r\nTemplWidth=-3\r\n"
                     "TemplHeight=junk\r\n");
    frame().restoreAtStartUp();
    for (QWidget *box : {static_cast<QWidget *>(boxes().symbolBox()), static_cast<QWidget *>(boxes().templateBox())}) {
        ASSERT_TRUE(box->isVisible());
        const QRect g = box->frameGeometry();
        EXPECT_TRUE(screenArea().contains(g)) << box->objectName().toStdString() << " " << g.x() << "," << g.y() << " "
                                              << g.width() << "x" << g.height() << " in " << screenArea().width() << "x"
                                              << screenArea().height();
    }
    EXPECT_GE(boxes().templateBox()->width(), boxes().templateBox()->minimumWidth());
}

TEST_F(ToolboxesTest, UserTemplateRowsAreNumberedBoldAndLineUpTheirNames)
{
    QList<UserTemplate> list;
    for (int i = 1; i <= 13; ++i)
        list.append({QStringLiteral("Name%1").arg(i), QStringLiteral("[%1").arg(i), QStringLiteral("]")});
    ASSERT_TRUE(TemplateFile::write(path("prog/Vellumix.tpl"), list));
    TUserTemplatesDialog *box = boxes().templateBox();
    trigger("UserTemplates2");
    ASSERT_EQ(box->rows().size(), 13);
    EXPECT_TRUE(box->font().bold());
    const QFontMetrics fm(box->font());
    EXPECT_EQ(box->rowHeight(), fm.boundingRect(QStringLiteral("gÄ")).height() + 8);
    EXPECT_EQ(box->rows()[0]->text(), QStringLiteral("1: Name1"));
    EXPECT_EQ(box->rows()[11]->text(), QStringLiteral("12: Name12"));
    EXPECT_EQ(box->rows()[12]->text(), QStringLiteral("   Name13")) << "no number without a shortcut";
    // Where each name starts on the screen.
    for (int k = 0; k < 13; ++k) {
        const TemplateRowButton *row = box->rows()[k];
        const QString prefix = row->text().left(row->text().indexOf(QStringLiteral("Name")));
        const qreal nameX = row->leftMargin() + QFontMetricsF(row->font()).horizontalAdvance(prefix);
        const qreal firstX = box->rows()[0]->leftMargin() + QFontMetricsF(row->font()).horizontalAdvance("1: ");
        EXPECT_NEAR(nameX, firstX, 0.01) << "the names line up: row " << k + 1;
        EXPECT_EQ(row->geometry().top(), k * box->rowHeight());
    }

    box->resize(400, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(box->rows()[0]->width(), box->rows()[0]->parentWidget()->width());
    EXPECT_GT(box->rows()[0]->width(), 300) << "rows are as wide as the window";

    TEditForm *e = editorWith("sel", 0, 3);
    QTest::mouseClick(box->rows()[12], Qt::LeftButton);
    EXPECT_EQ(e->plainText(), QStringLiteral("[13sel]"));
    EXPECT_EQ(e->editor()->textCursor().selectedText(), QStringLiteral("sel"));
}

TEST_F(ToolboxesTest, AVisibleUserTemplatesToolboxFollowsTheTemplateDialogsOk)
{
    trigger("UserTemplates2");
    EXPECT_TRUE(boxes().templateBox()->rows().isEmpty());
    onNextModal([](QDialog *d) {
        onNextModal([](QDialog *edit) {
            edit->findChild<QLineEdit *>("Name")->setText("New one");
            edit->accept();
        });
        d->findChild<QPushButton *>("NewBtn")->click();
        d->accept();
    });
    trigger("UserTemplates3");
    ASSERT_EQ(boxes().templateBox()->rows().size(), 1);
    EXPECT_EQ(boxes().templateBox()->rows()[0]->text(), QStringLiteral("1: New one"));
}

TEST(UserTemplatesToolboxTest, ARowInsertsItsTemplateAndTheBackgroundGivesTheFocusBack)
{
    RecordingInsertHost host;
    host.names = {"A", "B"};
    TUserTemplatesDialog box(host);
    box.resize(200, 200);
    box.show();
    QTest::mouseClick(box.rows()[1], Qt::LeftButton);
    EXPECT_EQ(host.insertedTemplates, QList<int>({1}));
    QWidget *background = box.findChild<QWidget *>("TemplateRowsBackground");
    QTest::mouseClick(background, Qt::LeftButton, {}, QPoint(10, background->height() - 5));
    EXPECT_EQ(host.focusRequests, 1);
    EXPECT_EQ(host.insertedTemplates.size(), 1);
}

} // namespace
