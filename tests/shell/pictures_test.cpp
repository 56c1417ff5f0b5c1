// The picture accessors over the real rendered files: what they give, what they keep, and
// what a missing or broken file leaves behind and says, the title screen's included.
#include "resources/pictures.h"
#include "tests/shell/shell.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace shell_test;

TEST(ShellPictures, EveryPictureLoadsAt640By480AndIsKept) {
    for (auto accessor :
         {AKIKO,     ASIA2018, BESSO,  BILLY,    CATMAC,    END1,   FIRST,    FLORE1,
          FLORE2,    FLORE3,   FLORE4, FUJIWARA, GREATAJIA, HARARY, HUSASAKI, MARO,
          MUCHIMARO, NAGAYA,   OFFICE, ZOZEZ40,  SUN,       UMAKAI, WHITE,    ZAKO}) {
        PictureRef picture = accessor();
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->Width(), 640) << picture->FileName();
        EXPECT_EQ(picture->Height(), 480) << picture->FileName();
        EXPECT_EQ(accessor(), picture) << picture->FileName();
    }
}

// A picture that does not load gives nil, says why on one line once, and is tried again at
// each use: once its file is there (or changed) it loads, and is kept.
TEST(ShellPictures, AFileThatDoesNotLoadIsNamedOnceAndTriedAgain) {
    PictureFolder folder;
    const std::string where = folder.dir.path().toStdString();
    ASSERT_TRUE(folder.Write("WHITE.png", "not a picture at all"));
    ASSERT_TRUE(folder.Write("FIRST", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));
    ::testing::internal::CaptureStderr();
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(ZAKO(), nullptr);
        EXPECT_EQ(WHITE(), nullptr);
        EXPECT_EQ(FIRST(), nullptr);
    }
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(QString::fromStdString(err).count(": picture "), 3) << err;
    EXPECT_NE(err.find(": picture ZAKO.png: no such file in " + where + "\n"), std::string::npos)
        << err;
    for (const char* name : {"WHITE.png", "FIRST"})
        EXPECT_NE(err.find("picture " + std::string(name) + ": not a picture"), std::string::npos)
            << err;

    QFile::remove(folder.dir.filePath("WHITE.png"));
    for (const char* name : {"ZAKO.png", "WHITE.png"})
        ASSERT_TRUE(folder.Copy(name));
    PictureRef loaded = ZAKO();
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(WHITE());
    QFile::remove(folder.dir.filePath("ZAKO.png"));
    EXPECT_EQ(ZAKO(), loaded);
}

TEST(ShellPictures, TitleScreenWithoutFirstShowsAnEmptyCanvas) {
    PictureFolder folder;
    for (const QString& name : QDir(HOLOMINA_PICTURE_DIR).entryList(QDir::Files))
        ASSERT_TRUE(name == "FIRST" || folder.Copy(name)) << name.toStdString();
    auto w = game_test::StartGame();
    EXPECT_EQ(w->REALCanvas()->Backdrop(), nullptr);
    EXPECT_EQ(w->TextField1()->Text(), kTitleScreen);
    EXPECT_TRUE(w->TopLevel()->isVisible());
    // The white window shows through the empty canvas.
    QImage shown = w->Content()->grab(QRect(0, 0, 640, 480)).toImage();
    EXPECT_EQ(QColor(shown.pixel(320, 240)), QColor(Qt::white));
}
