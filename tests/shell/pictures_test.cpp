// The picture accessors over the real rendered files: what they read, what they keep, and
// what a missing, broken or failing file leaves behind.
#include "framework/testing.h"
#include "resources/pictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

using fw::testing::OperationLog;

namespace {

PictureRef (*const kAccessors[])() = {AKIKO,     ASIA2018, BESSO,    BILLY,  CATMAC,    END1,
                                      FIRST,     FLORE1,   FLORE2,   FLORE3, FLORE4,    FUJIWARA,
                                      GREATAJIA, HARARY,   HUSASAKI, MARO,   MUCHIMARO, NAGAYA,
                                      OFFICE,    ZOZEZ40,  SUN,      UMAKAI, WHITE,     ZAKO};

// A resource folder of our own, empty until files are copied in.
struct Folder {
    QTemporaryDir dir;
    Folder() { fw::testing::SetResourceFolder(dir.path().toStdString()); }
    bool Copy(const QString& name) {
        return QFile::copy(QString(HOLOMINA_PICTURE_DIR) + "/" + name, dir.filePath(name));
    }
    bool Write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
};

} // namespace

TEST(ShellPictures, EveryPictureLoadsAt640By480) {
    OperationLog log;
    for (auto accessor : kAccessors) {
        PictureRef picture = accessor();
        ASSERT_TRUE(picture) << log.Entries().back();
        EXPECT_EQ(picture->Width(), 640) << picture->FileName();
        EXPECT_EQ(picture->Height(), 480) << picture->FileName();
    }
    // 24 different files, each read once.
    EXPECT_EQ(log.Matching("Picture._OpenFromApp").size(), 24u);
    std::vector<std::string> names = log.Matching("Picture._OpenFromApp");
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

TEST(ShellPictures, SecondCallGivesTheSamePictureWithoutReading) {
    PictureRef first = ZOZEZ40();
    ASSERT_TRUE(first);
    OperationLog log;
    EXPECT_EQ(ZOZEZ40(), first);
    EXPECT_EQ(ZOZEZ40(), first);
    EXPECT_TRUE(log.Entries().empty());
}

TEST(ShellPictures, MissingFileIsTriedAgainUntilItLoads) {
    Folder folder;
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
    Folder folder;
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
