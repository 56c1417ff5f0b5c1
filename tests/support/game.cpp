#include "tests/support/game.h"

#include "framework/controls.h"
#include "framework/qt_bridge.h"

#include <QInputMethodEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace game_test {

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

std::string Backdrop(MainWindow& window) {
    PictureRef picture = window.REALCanvas()->Backdrop();
    return picture ? picture->FileName() : "nil";
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

std::string Shown(MainWindow& window) {
    std::string text = FieldText(window);
    std::string out;
    for (char c : text)
        out += c == '\r' ? std::string("⏎") : std::string(1, c);
    return Backdrop(window) + " | " + out;
}

} // namespace game_test
