// Helpers shared by the shell tests.
#pragma once

#include "framework/qt_bridge.h"
#include "framework/runtime.h"
#include "framework/testing.h"
#include "tests/support/game.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

namespace shell_test {

inline constexpr const char* kTitleScreen = "ホロミナ2.0\rPRESS OK BUTTON";

inline fw::FieldWidget* Field(MainWindow& window) {
    return static_cast<fw::FieldWidget*>(window.TextField1()->Widget());
}

// Focuses the field in the active window, where keys and the Edit items look for it.
inline fw::FieldWidget* FocusField(MainWindow& window) {
    QApplication::setActiveWindow(window.TopLevel());
    fw::FieldWidget* field = Field(window);
    field->setFocus();
    return field;
}

// A test over the game started the real way, all but the event loop.
class Game : public ::testing::Test {
  protected:
    std::shared_ptr<MainWindow> w = game_test::StartGame();
};

// Chooses the menu item as a click on it would.
inline void Choose(const std::shared_ptr<MenuItem>& item) {
    ASSERT_TRUE(item && item->Action());
    item->Action()->trigger();
}

// A picture folder of the test's own, empty until real pictures are copied in.
struct PictureFolder {
    QTemporaryDir dir;
    PictureFolder() { fw::testing::SetResourceFolder(dir.path().toStdString()); }
    ~PictureFolder() { fw::testing::SetResourceFolder(HOLOMINA_PICTURE_DIR); }
    bool Copy(const QString& name) {
        return QFile::copy(QString(HOLOMINA_PICTURE_DIR) + "/" + name, dir.filePath(name));
    }
    bool Write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
};

} // namespace shell_test
