#include "injected_platform.h"
#include "picture_box.h"

#include "KeplerControls/colors.h"
#include "qt_bitmap.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// The picture a teacher takes away is exactly the 433 by 433 buffer, with
// whatever the run has drawn so far.
class PictureExportTest : public ::testing::Test {
protected:
    PictureExportTest()
    {
        QtImage(Box.Picture()).fill(Qt::white);
        Box.Picture().SetPixel(0, 0, 0x0000FF);
        Box.Picture().SetPixel(216, 216, 0xFF0000);
        Box.Picture().SetPixel(432, 432, 0x00FF00);
    }
    QImage Expected() const { return QtImage(Box.Picture()).copy(); }

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

// A save that cannot be done says why, in German, naming the folder; the
// file of that name, where there is one, stays as it was.
TEST_F(PictureExportTest, AFailedSaveSaysWhy)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile plain(dir.filePath(QStringLiteral("liste.txt")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("kein Ordner");
    plain.close();
    struct Case {
        QString FileName;
        QString Why;
    } const cases[] = {
        {dir.filePath(QStringLiteral("fehlt/bahn.png")),
         QStringLiteral("Den Ordner \u201E%1\u201C gibt es nicht.").arg(dir.filePath(QStringLiteral("fehlt")))},
        // A file where a folder should be.
        {dir.filePath(QStringLiteral("liste.txt/bahn.png")),
         QStringLiteral("Den Ordner \u201E%1\u201C gibt es nicht.").arg(plain.fileName())},
    };
    for (const Case& c : cases) {
        QString why;
        EXPECT_FALSE(Box.SavePicture(c.FileName, &why)) << c.FileName.toStdString();
        EXPECT_EQ(why, c.Why);
    }
    QFile kept(plain.fileName());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("kein Ordner"));
}

// Saving over a picture replaces it whole; no temporary file stays behind.
TEST_F(PictureExportTest, SaveReplacesAnOlderPictureWhole)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fileName = dir.filePath(QStringLiteral("bahn.png"));
    QImage older(3, 3, QImage::Format_RGB32);
    older.fill(Qt::black);
    ASSERT_TRUE(older.save(fileName, "PNG"));
    ASSERT_TRUE(Box.SavePicture(fileName));
    EXPECT_EQ(QImage(fileName, "PNG").convertToFormat(QImage::Format_RGB32), Expected());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("bahn.png")});
}

TEST(PictureSaveNameTest, TodaysDateInTheSuggestedName)
{
    EXPECT_EQ(TPictureBox::SuggestedFileName({2026, 12, 8}), QStringLiteral("Keplerprobleme-2026-12-08.png"));
    EXPECT_EQ(TPictureBox::SuggestedFileName({2027, 1, 31}), QStringLiteral("Keplerprobleme-2027-01-31.png"));
}

// "Bild speichern unter" opens in the picture folder (or home) with
// today's name suggested, not in the program's working folder.
TEST_F(PictureExportTest, TheSaveDialogSuggestsFolderAndName)
{
    InjectedPlatform platform({2026, 12, 8});
    QString folder;
    QString name;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        folder = dialog->directory().absolutePath();
        if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name = edit->text();
        dialog->reject();
    });
    Box.SavePictureAs();
    EXPECT_EQ(folder, QDir(TPictureBox::FirstSaveFolder()).absolutePath());
    EXPECT_EQ(name, QStringLiteral("Keplerprobleme-2026-12-08.png"));
}

} // namespace
