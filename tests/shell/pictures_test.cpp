// The picture accessors over the real rendered files: what they give, what they keep, and
// what a missing or broken file leaves behind and says, the title screen's included. Run
// together in one process, each test leaves the others' pictures unloaded.
#include "resources/pictures.h"
#include "tests/shell/shell.h"

#include <QDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace shell_test;

// A pipe in place of the title picture must not keep the window from opening (were it to
// hang, the alarm ends the test).
TEST(ShellPictures, TitleScreenWithAPipeForFirstShowsAnEmptyCanvas) {
    PictureFolder folder;
    ASSERT_EQ(mkfifo(folder.dir.filePath("FIRST").toLocal8Bit(), 0644), 0);
    alarm(10);
    auto w = game_test::StartGame();
    alarm(0);
    EXPECT_EQ(w->REALCanvas()->Backdrop(), nullptr);
    EXPECT_EQ(w->TextField1()->Text(), kTitleScreen);
    EXPECT_TRUE(w->TopLevel()->isVisible());
    // The white window shows through the empty canvas.
    QImage shown = w->Content()->grab(QRect(0, 0, 640, 480)).toImage();
    EXPECT_EQ(QColor(shown.pixel(320, 240)), QColor(Qt::white));
}

// Whatever stands in a picture's place, its accessor gives nil at once and names the file
// with the reason, once; it tries the file at each call, and once that is a picture it loads
// and is kept.
TEST(ShellPictures, AFileThatDoesNotLoadIsNamedOnceAndTriedAgain) {
    PictureFolder folder;
    QFile white(QString(HOLOMINA_PICTURE_DIR) + "/WHITE.png");
    ASSERT_TRUE(white.open(QIODevice::ReadOnly));
    QByteArray damaged = white.readAll(); // as long as the real one, and as old (aged)
    std::fill(damaged.begin() + damaged.size() / 2, damaged.end(), '\0');
    const timespec aged[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
    // A PNG file as far as its first pixel data: the header's width, height, bit depth,
    // colour type, methods and checksum, then any chunk before the pixels.
    auto png = [](const char* header, const char* before = "") {
        return QByteArray::fromHex(QByteArray("89504e470d0a1a0a0000000d49484452") + header +
                                   before + "000000004944415435af061e");
    };
    const char* palette = "00000006504c5445000000ffffffa5d99fdd"; // black and white
    // What stands in the picture's place: '-' nothing, 'p' a pipe, 'd' a folder, 'l' a
    // symbolic link to the content, 'f' a file of the content, 'u' a picture that can't be
    // read (but by root, which reads any file: then it is missing).
    // clang-format off
    const struct {
        PictureRef (*accessor)(); const char* name; char kind; QByteArray content; QString why;
    } cases[] = {
        {ZAKO, "ZAKO.png", '-', "", "no such file"},
        {ZOZEZ40, "ZOZEZ40.png", 'p', "", "a pipe (FIFO), not a file"},
        {BESSO, "BESSO.png", 'd', "", "a folder, not a file"},
        {BILLY, "BILLY.png", 'l', "/dev/zero", "a device, not a file"},
        {CATMAC, "CATMAC.png", 'l', "CATMAC.png", "a loop of symbolic links"},
        {END1, "END1", 'f', "", "an empty file"},
        // Too large whatever the depth: the decoder makes at least 32 bits of each pixel.
        {FLORE1, "FLORE1.png", 'f', png("00007530" "00007530" "0802000000" "e9456fed"),
         "too large: 30000 × 30000 pixels"}, // 8-bit colour
        {FLORE3, "FLORE3.png", 'f', png("00007530" "00007530" "0100000000" "4e5cc517"),
         "too large: 30000 × 30000 pixels"}, // 1-bit grey
        {FLORE4, "FLORE4.png", 'f', png("00007530" "00007530" "0103000000" "5ce96af9", palette),
         "too large: 30000 × 30000 pixels"}, // 1-bit palette
        {FUJIWARA, "FUJIWARA.png", 'f', png("00002af8" "00002af8" "0800000000" "eb44c556"),
         "too large: 11000 × 11000 pixels"}, // 8-bit grey
        {HARARY, "HARARY.png", 'f', png("00001001" "00001000" "1006000000" "4df1936a"),
         "too large: 4097 × 4096 pixels"}, // 16-bit colour and alpha, just over
        {WHITE, "WHITE.png", 'f', damaged, "not a picture ("},
        {FLORE2, "FLORE2.png", geteuid() ? 'u' : '-', "",
         geteuid() ? "can't be read (permission denied)" : "no such file"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QByteArray path = folder.dir.filePath(c.name).toLocal8Bit();
        ASSERT_TRUE(c.kind == '-' || (c.kind == 'p' && !mkfifo(path, 0644)) ||
                    (c.kind == 'd' && !mkdir(path, 0755)) ||
                    (c.kind == 'l' && !symlink(c.content, path)) ||
                    (c.kind == 'f' && folder.Write(c.name, c.content) &&
                     !utimensat(AT_FDCWD, path, aged, 0)) ||
                    (c.kind == 'u' && folder.Copy(c.name) && !chmod(path, 0)))
            << c.name;
    }
    QString said[2]; // what each round of calls says
    alarm(10);       // a call that hangs ends the test
    for (QString& round : said) {
        ::testing::internal::CaptureStderr();
        for (const auto& c : cases)
            EXPECT_EQ(c.accessor(), nullptr) << c.name;
        round = QString::fromStdString(::testing::internal::GetCapturedStderr());
    }
    alarm(0);
    EXPECT_EQ(said[1].toStdString(), ""); // nothing named or decoded again
    // A line for each, and at most the decoder's own word on the damaged picture: none of the
    // toolkit's own.
    const QStringList lines = said[0].split('\n', Qt::SkipEmptyParts);
    const QString start = QString::fromStdString(fw::ProgramName()) + ": picture ";
    const QString in = " in " + folder.dir.path();
    for (const auto& c : cases)
        EXPECT_EQ(lines.filter(start + c.name + ": " + c.why).filter(in).size(), 1)
            << c.name << " in:\n"
            << said[0].toStdString();
    EXPECT_LE(lines.size(), std::size(cases) + 1) << said[0].toStdString();
    EXPECT_TRUE(lines.filter("allocation limit").isEmpty()) << said[0].toStdString();

    // Made right, each loads at the next call (the unreadable file by its mode alone), and is
    // kept once its file is gone.
    std::vector<PictureRef> loaded;
    for (const auto& c : cases) {
        const QString path = folder.dir.filePath(c.name);
        if (c.kind == 'u') {
            ASSERT_EQ(chmod(path.toLocal8Bit(), 0644), 0);
        } else {
            QFile::remove(path) || QDir().rmdir(path);
            ASSERT_TRUE(folder.Copy(c.name) && !utimensat(AT_FDCWD, path.toLocal8Bit(), aged, 0));
        }
        loaded.push_back(c.accessor());
        EXPECT_TRUE(loaded.back()) << c.name;
    }
    ASSERT_TRUE(folder.dir.remove());
    for (std::size_t k = 0; k < std::size(cases); ++k)
        EXPECT_EQ(cases[k].accessor(), loaded[k]) << cases[k].name;
}

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
