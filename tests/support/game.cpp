#include "tests/support/game.h"

#include "framework/controls.h"
#include "framework/qt_bridge.h"

#include <QDir>
#include <QInputMethodEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace game_test {

namespace {

// Where the canvas belongs in the window's content: the player sees it there.
const QRect kCanvasArea(0, 0, 640, 480);

// A picture as it shows on the window: over its white, which shows through where the
// picture has no pixels.
QImage OnWhite(const QImage& picture) {
    QImage shown(kCanvasArea.size(), QImage::Format_RGB32);
    shown.fill(Qt::white);
    QPainter(&shown).drawImage(0, 0, picture);
    return shown;
}

struct Known {
    std::string name;
    QImage shown;
};

// Every picture file of the build as it shows, decoded once; "blank" first, for the white
// alone, which WHITE.png shows as well.
const std::vector<Known>& KnownPictures() {
    static const std::vector<Known> known = [] {
        std::vector<Known> known{{"blank", OnWhite(QImage())}};
        QDir folder(HOLOMINA_PICTURE_DIR);
        for (const QString& file : folder.entryList(QDir::Files))
            known.push_back({file.toStdString(), OnWhite(QImage(folder.filePath(file)))});
        return known;
    }();
    return known;
}

// The name of the picture the pixels show, compared whole; for pixels that match none, the
// picture they come nearest to.
std::string Identified(const QPixmap& painted) {
    QImage shown = painted.toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.size() != kCanvasArea.size())
        return "a grab of " + std::to_string(shown.width()) + "x" + std::to_string(shown.height());
    auto found = std::ranges::find(KnownPictures(), shown, &Known::shown);
    if (found != KnownPictures().end()) return found->name;
    auto differing = [&shown](const Known& known) {
        auto pixels = [](const QImage& image) {
            return reinterpret_cast<const QRgb*>(image.constBits());
        };
        return std::transform_reduce(pixels(shown), pixels(shown) + shown.width() * shown.height(),
                                     pixels(known.shown), 0L, std::plus<>(), std::not_equal_to<>());
    };
    auto nearest = std::ranges::min_element(KnownPictures(), {}, differing);
    return "no picture of the build, " + std::to_string(differing(*nearest)) + " pixels off " +
           nearest->name;
}

} // namespace

void Click(MainWindow& window, const char* control) {
    auto found = window._ControlByName(control);
    ASSERT_TRUE(found && found->Widget()) << control;
    QTest::mouseClick(found->Widget(), Qt::LeftButton);
}

void PressOK(MainWindow& window, int times) {
    for (int k = 0; k < times; ++k)
        Click(window, "OKButton");
}

void Answer(MainWindow& window, char letter) {
    Click(window, (letter + std::string("Button")).c_str());
}

std::string FieldText(MainWindow& window) {
    return window.TextField1()->Text();
}

std::string Painted(MainWindow& window) {
    // What the window last painted: its pending repaints first, as the event loop would.
    QCoreApplication::processEvents();
    QWidget* top = window.TopLevel();
    QPoint at = window.Content()->mapTo(top, kCanvasArea.topLeft());
    return Identified(top->screen()->grabWindow(top->winId(), at.x(), at.y(), kCanvasArea.width(),
                                                kCanvasArea.height()));
}

std::string PaintedOffScreen(MainWindow& window) {
    return Identified(window.Content()->grab(kCanvasArea));
}

void Compose(MainWindow& window, const std::string& text) {
    QWidget* field = window.TextField1()->Widget();
    field->setFocus();
    QInputMethodEvent compose(QString::fromStdString(text), {});
    QCoreApplication::sendEvent(field, &compose);
}

void Commit(MainWindow& window, const std::string& text) {
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromStdString(text));
    QCoreApplication::sendEvent(window.TextField1()->Widget(), &commit);
}

void TypeCommitted(MainWindow& window, const std::string& text) {
    Compose(window, text);
    Commit(window, text);
}

void ReplaceByTyping(MainWindow& window, const std::string& text) {
    auto* field = static_cast<fw::FieldWidget*>(window.TextField1()->Widget());
    field->setFocus();
    field->selectAll();
    if (text.empty()) {
        QTest::keyClick(field, Qt::Key_Delete);
        return;
    }
    TypeCommitted(window, text);
}

std::string FieldLine(MainWindow& window) {
    return QString::fromStdString(FieldText(window)).replace('\r', "⏎").toStdString();
}

std::string Shown(MainWindow& window) {
    return Painted(window) + " | " + FieldLine(window);
}

std::string Press(MainWindow& window) {
    PressOK(window);
    return Shown(window);
}

} // namespace game_test
