#include "picture_box.h"

#include "KeplerControls/colors.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// The picture a teacher takes away is exactly the 433 by 433 buffer, with
// whatever the run has drawn so far.
class PictureExportTest : public ::testing::Test {
protected:
    PictureExportTest()
    {
        Box.Picture().Image().fill(Qt::white);
        Box.Picture().SetPixel(0, 0, 0x0000FF);
        Box.Picture().SetPixel(216, 216, 0xFF0000);
        Box.Picture().SetPixel(432, 432, 0x00FF00);
    }
    QImage Expected() const { return Box.Picture().Image().convertToFormat(QImage::Format_RGB32); }

    TPictureBox Box{433, 433};
};

TEST_F(PictureExportTest, CopyPutsThePictureOnTheClipboard)
{
    Box.CopyPicture();
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied.size(), QSize(433, 433));
    EXPECT_EQ(copied, Expected());
}

TEST_F(PictureExportTest, SaveWritesThePictureAsPng)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fileName = dir.filePath(QStringLiteral("bahn.png"));
    ASSERT_TRUE(Box.SavePicture(fileName));
    const QImage saved(fileName, "PNG");
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), Expected());
}

TEST_F(PictureExportTest, SaveIntoAMissingFolderFails)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(Box.SavePicture(dir.filePath(QStringLiteral("fehlt/bahn.png"))));
}

} // namespace
