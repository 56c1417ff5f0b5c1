#include "tests/support/game.h"

#include "framework/controls.h"
#include "framework/qt_bridge.h"

#include <QDir>
#include <QInputMethodEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <unordered_map>

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

std::size_t HashOf(const QImage& image) {
    return std::hash<std::string_view>{}(std::string_view(
        reinterpret_cast<const char*>(image.constBits()), std::size_t(image.sizeInBytes())));
}

struct Known {
    std::string name;
    QImage shown;
};

// Every picture file of the build as it shows, decoded once; "blank" for the white alone,
// which WHITE.png shows as well.
const std::unordered_map<std::size_t, Known>& KnownPictures() {
    static const auto known = [] {
        std::unordered_map<std::size_t, Known> known;
        QImage blank = OnWhite(QImage());
        known.try_emplace(HashOf(blank), Known{"blank", blank});
        QDir folder(HOLOMINA_PICTURE_DIR);
        for (const QString& file : folder.entryList(QDir::Files)) {
            QImage shown = OnWhite(QImage(folder.filePath(file)));
            known.try_emplace(HashOf(shown), Known{file.toStdString(), shown});
        }
        return known;
    }();
    return known;
}

// Pixels that match no picture, told by the picture they come nearest to.
std::string Unknown(const QImage& shown) {
    const Known* nearest = nullptr;
    long fewest = 0;
    QPoint first;
    for (const auto& [hash, known] : KnownPictures()) {
        long differ = 0;
        QPoint at;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != known.shown.pixel(x, y) && !differ++) at = {x, y};
        if (nearest && differ >= fewest) continue;
        nearest = &known;
        fewest = differ;
        first = at;
    }
    return "no picture of the build: " + std::to_string(fewest) + " pixels off " + nearest->name +
           ", the first at " + std::to_string(first.x()) + "," + std::to_string(first.y());
}

std::string Identified(const QPixmap& painted) {
    QImage shown = painted.toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.size() != kCanvasArea.size())
        return "a grab of " + std::to_string(shown.width()) + "x" + std::to_string(shown.height());
    auto known = KnownPictures().find(HashOf(shown));
    return known != KnownPictures().end() && known->second.shown == shown ? known->second.name
                                                                          : Unknown(shown);
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
    std::string name = std::string(1, letter) + "Button";
    Click(window, name.c_str());
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
    std::string line;
    for (char c : FieldText(window))
        line += c == '\r' ? std::string("⏎") : std::string(1, c);
    return line;
}

std::string Shown(MainWindow& window) {
    return Painted(window) + " | " + FieldLine(window);
}

} // namespace game_test
