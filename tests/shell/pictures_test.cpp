// The picture accessors over the real rendered files: what they give, what they keep, and
// what a missing or broken file leaves behind and says, the title screen's included. Run
// together in one process, each test leaves the others' pictures unloaded.
#include "resources/pictures.h"
#include "tests/shell/shell.h"

#include <QDir>
#include <gtest/gtest.h>

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

namespace {
// What stands in a picture's place, made in the folder: its kind is '-' nothing, 'p' a pipe,
// 'd' a folder, 'l' a symbolic link to the content, 'f' a file of the content, as old as
// Aged() makes it, 'u' a real picture that can't be read.
bool Aged(const QString& path) { // a size-and-time check can't tell two such files apart
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(QDateTime::fromSecsSinceEpoch(1e9), QFileDevice::FileModificationTime);
}

bool Make(PictureFolder& folder, char kind, const char* name, const QByteArray& content) {
    const QByteArray path = folder.dir.filePath(name).toLocal8Bit();
    switch (kind) {
    case 'p':
        return mkfifo(path, 0644) == 0;
    case 'd':
        return mkdir(path, 0755) == 0;
    case 'l':
        return symlink(content, path) == 0;
    case 'f':
        return folder.Write(name, content) && Aged(path);
    case 'u':
        return folder.Copy(name) && chmod(path, 0) == 0;
    default:
        return true;
    }
}
} // namespace

// Whatever stands in a picture's place, its accessor gives nil at once and names the file
// with the reason, once; it tries the file at each call, and once that is a picture it loads
// and is kept.
TEST(ShellPictures, AFileThatDoesNotLoadIsNamedOnceAndTriedAgain) {
    PictureFolder folder;
    QFile white(QString(HOLOMINA_PICTURE_DIR) + "/WHITE.png");
    ASSERT_TRUE(white.open(QIODevice::ReadOnly));
    QByteArray damaged = white.readAll(); // as long as the real one, and as old
    std::fill(damaged.begin() + damaged.size() / 2, damaged.end(), '\0');
    // clang-format off
    const struct {
        PictureRef (*accessor)();
        const char* name;
        char kind;
        QByteArray content;
        QString why;
    } cases[] = {
        {ZAKO, "ZAKO.png", '-', "", "no such file"},
        {ZOZEZ40, "ZOZEZ40.png", 'p', "", "a pipe (FIFO), not a file"},
        {BESSO, "BESSO.png", 'd', "", "a folder, not a file"},
        {BILLY, "BILLY.png", 'l', "/dev/zero", "a device, not a file"},
        {CATMAC, "CATMAC.png", 'l', "CATMAC.png", "a loop of symbolic links"},
        {END1, "END1", 'f', "", "an empty file"},
        {FLORE1, "FLORE1.png", 'f', QByteArray::fromHex("89504e470d0a1a0a0000000d49484452000075"
             "30000075300802000000e9456fed000000004944415435af061e"), "too large: 30000 × 30000 pixels"},
        {WHITE, "WHITE.png", 'f', damaged, "not a picture ("},
        // Root reads any file: the case is left out then.
        {FLORE2, "FLORE2.png", geteuid() ? 'u' : 'x', "", "can't be read (permission denied)"},
    };
    // clang-format on
    for (const auto& c : cases)
        ASSERT_TRUE(Make(folder, c.kind, c.name, c.content)) << c.name;
    auto callAll = [&] {
        for (const auto& c : cases) {
            if (c.kind == 'x') continue;
            EXPECT_EQ(c.accessor(), nullptr) << c.name;
        }
    };
    alarm(10); // a call that hangs ends the test
    ::testing::internal::CaptureStderr();
    callAll();
    const QString said = QString::fromStdString(::testing::internal::GetCapturedStderr());
    ::testing::internal::CaptureStderr();
    callAll();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), ""); // nothing named or decoded again
    alarm(0);
    // A line for each, and at most the decoder's own word on the damaged picture.
    const QStringList lines = said.split('\n', Qt::SkipEmptyParts);
    const QString start = QString::fromStdString(fw::ProgramName()) + ": picture ";
    qsizetype named = 0;
    for (const auto& c : cases) {
        QStringList line = lines.filter(start + c.name + ": " + c.why);
        EXPECT_EQ(line.size(), c.kind != 'x') << c.name << "\n" << said.toStdString();
        named += line.filter(" in " + folder.dir.path()).size();
    }
    EXPECT_LE(lines.size(), named + 1) << said.toStdString();

    // Made right, each loads at the next call (the unreadable file by its mode alone), and is
    // kept once its file is gone.
    std::vector<PictureRef> loaded;
    for (const auto& c : cases) {
        QString path = folder.dir.filePath(c.name);
        if (c.kind == 'u') {
            ASSERT_EQ(chmod(path.toLocal8Bit(), 0644), 0);
        } else {
            QFile::remove(path) || QDir().rmdir(path);
            ASSERT_TRUE(folder.Copy(c.name) && Aged(path)) << c.name;
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
