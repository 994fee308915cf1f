// The toolbar image files beside the settings file.
#include "bars/toolbarimages.h"

#include "testsupport.h"

#include <QDataStream>
#include <QFile>
#include <unistd.h>

namespace {

class ToolbarImagesTest : public testsupport::TempDirTest {};

quint32 le32(const QByteArray &b, int at)
{
    return quint32(uchar(b[at])) | quint32(uchar(b[at + 1])) << 8 | quint32(uchar(b[at + 2])) << 16
        | quint32(uchar(b[at + 3])) << 24;
}

TEST_F(ToolbarImagesTest, MissingFilesAreWrittenAsRealBitmaps)
{
    for (auto kind : {ToolbarImages::Kind::Tools, ToolbarImages::Kind::Macros}) {
        QImage img;
        ASSERT_TRUE(ToolbarImages::load(path(QStringLiteral("cfg")), kind, &img));
        EXPECT_EQ(img.size(), QSize(160, 15));
        const QByteArray bytes = testsupport::readAll(path(QStringLiteral("cfg/")) + ToolbarImages::fileName(kind));
        ASSERT_GT(bytes.size(), 54);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(le32(bytes, 2), quint32(bytes.size()));   // total size
        EXPECT_EQ(le32(bytes, 30), 0u);                       // uncompressed
        const quint32 colours = le32(bytes, 46) ? le32(bytes, 46) : 0;
        EXPECT_EQ(le32(bytes, 10), 14 + 40 + 4 * colours);    // pixel offset after the colour table
        EXPECT_EQ(ToolbarImages::split(img).size(), 10);
    }
}

TEST_F(ToolbarImagesTest, UserEditedFileIsReadAsIs)
{
    QImage own(32, 15, QImage::Format_RGB32);
    own.fill(Qt::red);
    ASSERT_TRUE(own.save(path(QStringLiteral("ScribletMacros.bmp")), "BMP"));
    const QByteArray before = testsupport::readAll(path(QStringLiteral("ScribletMacros.bmp")));
    QImage img;
    ASSERT_TRUE(ToolbarImages::load(path(), ToolbarImages::Kind::Macros, &img));
    EXPECT_EQ(img.width(), 32);
    EXPECT_EQ(QColor(img.pixel(3, 3)), QColor(Qt::red));
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("ScribletMacros.bmp"))), before);
    EXPECT_EQ(ToolbarImages::split(img).size(), 2);
}

TEST_F(ToolbarImagesTest, UnreadableFileIsReplacedByTheBuiltInImage)
{
    testsupport::writeFile(path(QStringLiteral("ScribletTools.bmp")), "not a bitmap");
    QImage img;
    ASSERT_TRUE(ToolbarImages::load(path(), ToolbarImages::Kind::Tools, &img));
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("ScribletTools.bmp"))).left(2), QByteArray("BM"));
}

TEST_F(ToolbarImagesTest, NeitherReadableNorWritableFails)
{
    testsupport::writeFile(path(QStringLiteral("file")), "x"); // a file where the directory should be
    QImage img;
    QString error;
    EXPECT_FALSE(ToolbarImages::load(path(QStringLiteral("file/sub")), ToolbarImages::Kind::Tools, &img, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
