// The picture accessors over the real rendered files: what they read, what they keep, and
// what a missing, broken or failing file leaves behind, the title screen's included.
#include "resources/pictures.h"
#include "tests/shell/shell.h"

#include <QDir>
#include <gtest/gtest.h>

#include <algorithm>

using fw::testing::OperationLog;
using namespace shell_test;

TEST(ShellPictures, EveryPictureLoadsOnceAt640By480) {
    OperationLog log;
    for (auto accessor :
         {AKIKO,     ASIA2018, BESSO,  BILLY,    CATMAC,    END1,   FIRST,    FLORE1,
          FLORE2,    FLORE3,   FLORE4, FUJIWARA, GREATAJIA, HARARY, HUSASAKI, MARO,
          MUCHIMARO, NAGAYA,   OFFICE, ZOZEZ40,  SUN,       UMAKAI, WHITE,    ZAKO}) {
        PictureRef picture = accessor();
        ASSERT_TRUE(picture) << log.Entries().back();
        EXPECT_EQ(picture->Width(), 640) << picture->FileName();
        EXPECT_EQ(picture->Height(), 480) << picture->FileName();
        // Kept: a second call reads nothing.
        std::size_t entries = log.Entries().size();
        EXPECT_EQ(accessor(), picture) << picture->FileName();
        EXPECT_EQ(log.Entries().size(), entries) << picture->FileName();
    }
    // 24 different files, each read once.
    std::vector<std::string> names = log.Matching("Picture._OpenFromApp");
    EXPECT_EQ(names.size(), 24u);
    std::ranges::sort(names);
    EXPECT_EQ(std::ranges::unique(names).size(), 0u);
}

TEST(ShellPictures, ThreeAreReadWithoutExtension) {
    OperationLog log;
    END1();
    FIRST();
    ASIA2018();
    ZOZEZ40();
    EXPECT_EQ(log.Matching("Picture._OpenFromApp"),
              (std::vector<std::string>{"Picture._OpenFromApp END1", "Picture._OpenFromApp FIRST",
                                        "Picture._OpenFromApp ASIA2018",
                                        "Picture._OpenFromApp ZOZEZ40.png"}));
}

TEST(ShellPictures, MissingFileIsTriedAgainUntilItLoads) {
    PictureFolder folder;
    OperationLog log;
    EXPECT_EQ(ZAKO(), nullptr);
    EXPECT_EQ(ZAKO(), nullptr);
    EXPECT_EQ(log.Matching("Picture._OpenFromApp ZAKO.png").size(), 2u);

    ASSERT_TRUE(folder.Copy("ZAKO.png"));
    PictureRef loaded = ZAKO();
    ASSERT_TRUE(loaded);
    // Kept from now on, even if the file goes away again.
    QFile::remove(folder.dir.filePath("ZAKO.png"));
    EXPECT_EQ(ZAKO(), loaded);
    EXPECT_EQ(log.Matching("Picture._OpenFromApp ZAKO.png").size(), 3u);
}

TEST(ShellPictures, FileThatIsNoImageGivesNil) {
    PictureFolder folder;
    ASSERT_TRUE(folder.Write("WHITE.png", "not a picture at all"));
    ASSERT_TRUE(folder.Write("FIRST", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));
    ASSERT_TRUE(folder.Write("END1", QByteArray()));
    EXPECT_EQ(WHITE(), nullptr);
    EXPECT_EQ(FIRST(), nullptr);
    EXPECT_EQ(END1(), nullptr);
}

TEST(ShellPictures, LoaderExceptionReachesTheCallerAndCachesNothing) {
    fw::testing::FailOperation("Picture._OpenFromApp", 1, "NilObjectException");
    EXPECT_THROW(SUN(), NilObjectException);
    OperationLog log;
    PictureRef sun = SUN();
    EXPECT_TRUE(sun);
    EXPECT_EQ(log.Matching("Picture._OpenFromApp SUN.png").size(), 1u);
    EXPECT_EQ(SUN(), sun);
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
