// The game without half of its pictures (either half), and without any: every walk of the
// transcript still plays, with the canvas blank wherever a missing picture belongs, after a
// picture that showed as much as after another missing one.
#include "framework/testing.h"
#include "tests/support/game.h"
#include "tests/support/transcript.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Which pictures are missing: every other file of the build, from the first (0) or the
// second (1), or all (2).
const char* const kMissing[] = {"Odd", "Even", "All"};

class MissingPictures : public ::testing::TestWithParam<std::tuple<int, transcript::Route>> {};

TEST_P(MissingPictures, EveryWalkPlaysWithABlankWhereOneBelongs) {
    const auto& [which, route] = GetParam();
    QTemporaryDir folder;
    const QDir build(HOLOMINA_PICTURE_DIR);
    const QStringList files = build.entryList(QDir::Files);
    std::set<std::string> missing;
    for (qsizetype k = 0; k < files.size(); ++k) {
        if (which == 2 || k % 2 == which)
            missing.insert(files[k].toStdString());
        else
            ASSERT_TRUE(QFile::copy(build.filePath(files[k]), folder.filePath(files[k])));
    }
    fw::testing::SetResourceFolder(folder.path().toStdString());
    ::testing::internal::CaptureStderr(); // each missing picture is named there
    transcript::Play(*game_test::StartGame(), route, missing);
    ::testing::internal::GetCapturedStderr();
}

INSTANTIATE_TEST_SUITE_P(, MissingPictures,
                         ::testing::Combine(::testing::Values(0, 1, 2),
                                            ::testing::ValuesIn(transcript::Routes())),
                         [](const auto& info) {
                             return kMissing[std::get<0>(info.param)] + std::string("_") +
                                    std::get<1>(info.param).name;
                         });

} // namespace
