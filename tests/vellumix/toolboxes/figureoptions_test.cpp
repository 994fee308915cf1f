// The texts of "Insert Graphics" and "Insert Image" and their stored fields.
#include "vellumixfixture.h"

#include "platform/profile.h"
#include "toolboxes/figureoptions.h"

namespace {

TEST(FigureOptionsTest, GraphicsAtTheTopWithSizesAFileAndNoTitleIsThreeLines)
{
    GraphicsOptions o;
    o.position = "top";
    o.xImageSize = "8cm";
    o.yImageSize = "5cm";
    o.fileName = "plot.eps";
    EXPECT_EQ(o.text(), QStringLiteral("\\begin{figure}[t]\r\n"
                                       "\\center{\\includegraphics*[8cm, 5cm]{plot.eps}}\r\n"
                                       "\\end{figure}\r\n"));
}

TEST(FigureOptionsTest, PositionsBecomeOptionsAndATitleACaption)
{
    const struct { const char *position; const char *option; } positions[] = {
        {"default", ""}, {"here", "[h]"}, {"top", "[t]"}, {"bottom", "[b]"}, {"own page", "[p]"}, {"Top", ""}};
    for (const auto &p : positions) {
        GraphicsOptions o;
        o.position = p.position;
        EXPECT_TRUE(o.text().startsWith("\\begin{figure}" + QLatin1String(p.option) + "\r\n\\center{")) << p.position;
    }
    GraphicsOptions titled;
    titled.title = "A plot";
    EXPECT_TRUE(titled.text().endsWith("}}\r\n\\caption{A plot}\r\n\\end{figure}\r\n"));
}

TEST(FigureOptionsTest, ImageTextPlacesTheFileByASpecial)
{
    ImageOptions o;
    o.fileName = "logo.bmp";
    EXPECT_EQ(o.text(), QStringLiteral("\\begin{figure}\r\n"
                                       "\\special{center logo.bmp, \\the\\hsize 6cm 6cm 6cm}\r\n"
                                       "\\vspace{7cm}\r\n"
                                       "\\end{figure}\r\n"));
    o.action = "isoscale";
    o.title = "Logo";
    EXPECT_EQ(o.text(), QStringLiteral("\\begin{figure}\r\n"
                                       "\\special{isoscale logo.bmp, \\the\\hsize 6cm 6cm 6cm}\r\n"
                                       "\\vspace{7cm}\r\n"
                                       "\\caption{Logo}\r\n"
                                       "\\end{figure}\r\n"));
}

class FigureSettingsTest : public testsupport::TempDirTest
{
};

TEST_F(FigureSettingsTest, SizesPositionAndActionAreStoredButNeverTheFileOrTheTitle)
{
    Profile file(path("Vellumix.ini"));
    GraphicsOptions g;
    g.position = "own page";
    g.xImageSize = "3in";
    g.fileName = "a.eps";
    g.title = "T";
    ImageOptions i;
    i.latexHeight = "9cm";
    i.fileName = "b.bmp";
    ASSERT_TRUE(g.write(file));
    ASSERT_TRUE(i.write(file));
    EXPECT_EQ(Profile(path("Vellumix.ini")).sectionKeys("GraphicsDialog"),
              QStringList({"Position", "xImageSize", "yImageSize"}));
    EXPECT_EQ(Profile(path("Vellumix.ini")).sectionKeys("ImageDialog"),
              QStringList({"Action", "xPaperSize", "yPaperSize", "xImageSize", "yImageSize", "LaTeXHeight"}));

    GraphicsOptions g2;
    g2.read(Profile(path("Vellumix.ini")));
    EXPECT_EQ(g2.position, "own page");
    EXPECT_EQ(g2.xImageSize, "3in");
    EXPECT_TRUE(g2.fileName.isEmpty() && g2.title.isEmpty());
    ImageOptions i2;
    i2.read(Profile(path("Vellumix.ini")));
    EXPECT_EQ(i2.latexHeight, "9cm");
    EXPECT_EQ(i2.xPaperSize, "\\the\\hsize");
    EXPECT_TRUE(i2.fileName.isEmpty());
}

} // namespace
