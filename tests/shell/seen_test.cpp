// What the player sees of the window, its controls and its menus after the real start-up,
// one row per thing seen, read from the real widgets. A change to any value in the code
// fails its one row. Then where the focus is at the start and where Tab takes it.
#include "tests/shell/shell.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace shell_test;
using ShellSeen = Game;

namespace {

// clang-format off
// name | what it shows | place in the content | font and colours | focus by | state
const std::string kControls[] = {
    "OKButton | OK | 87,592 68x41 | System #000000 | Tab | shown enabled",
    "NoBtutton | Quit | 167,592 68x41 | System #000000 | Tab | shown enabled",
    "ResetButton | Reset | 247,592 68x41 | System #000000 | Tab | shown enabled",
    "AButton | A | 88,634 60x33 | System #000000 | Tab | shown enabled",
    "BButton | B | 160,634 60x33 | System #000000 | Tab | shown enabled",
    "CButton | C | 232,634 60x33 | System #000000 | Tab | shown enabled",
    "DButton | D | 297,634 60x33 | System #000000 | Tab | shown enabled",
    "TextField1 | ホロミナ2.0⏎PRESS OK BUTTON | 0,480 640x100 | System #000000 on #ffffff | click Tab | shown enabled read-only framed",
    "REALCanvas | FIRST | 0,0 640x480 | System | Tab | shown enabled",
};
// clang-format on

// "System" at size 0: the desktop's default font, the Japanese faces behind it included;
// any other font in full.
std::string FontSeen(const QFont& font) {
    return font == QApplication::font() ? "System" : font.toString().toStdString();
}

// The text's colour, and the ground's where the control paints its own.
std::string ColoursSeen(QWidget* widget) {
    const QPalette& p = widget->palette();
    if (qobject_cast<QAbstractButton*>(widget))
        return " " + p.color(QPalette::ButtonText).name().toStdString();
    if (qobject_cast<QPlainTextEdit*>(widget))
        return " " + p.color(QPalette::Text).name().toStdString() + " on " +
               p.color(QPalette::Base).name().toStdString();
    return "";
}

std::string Seen(MainWindow& w, const std::string& name) {
    QWidget* widget = w._ControlByName(name)->Widget();
    auto* button = qobject_cast<QAbstractButton*>(widget);
    auto* field = qobject_cast<QPlainTextEdit*>(widget);
    std::string shows = button  ? button->text().toStdString()
                        : field ? field->toPlainText().replace('\n', "⏎").toStdString()
                                : game_test::Painted(w);
    QRect r = widget->geometry();
    Qt::FocusPolicy focus = widget->focusPolicy();
    std::string state = std::string(widget->isVisible() ? "shown" : "hidden") +
                        (widget->isEnabled() ? " enabled" : " disabled");
    if (field && field->isReadOnly()) state += " read-only";
    if (field && field->frameShape() != QFrame::NoFrame) state += " framed";
    return name + " | " + shows + " | " + std::to_string(r.x()) + "," + std::to_string(r.y()) +
           " " + std::to_string(r.width()) + "x" + std::to_string(r.height()) + " | " +
           FontSeen(widget->font()) + ColoursSeen(widget) + " | " +
           (focus & Qt::ClickFocus ? "click " : "") + (focus & Qt::TabFocus ? "Tab" : "") + " | " +
           state;
}

// clang-format off
// label ("----" for a separator) | its shortcut as the menu shows it | whether it is enabled:
// read-only with the title selected, editable and empty, editable with the typed name
// selected, editable and empty but for a name the input method is composing in it. The
// clipboard holds text throughout.
const std::string kMenus[] = {
    "ファイル |  | on on on on",
    "終了 | Ctrl+Q | on on on on",
    "編集 |  | on on on on",
    "元に戻す | Ctrl+Z | off off on on",
    "---- |  | ",
    "カット | Ctrl+X | off off on off",
    "コピー | Ctrl+C | on off on off",
    "貼り付け | Ctrl+V | off on on on",
    "削除 |  | off off on off",
    "---- |  | ",
    "すべてを選択 | Ctrl+A | on off on on",
};
// clang-format on

// Every menu's title, then its items, in the order the menu bar shows them; each popped up
// as the player opens it, so that the items enable themselves as they would then.
std::vector<QAction*> MenusInOrder(MainWindow& w) {
    std::vector<QAction*> actions;
    for (QAction* menu : static_cast<QMainWindow*>(w.TopLevel())->menuBar()->actions()) {
        actions.push_back(menu);
        menu->menu()->popup(QPoint(0, 0));
        for (QAction* item : menu->menu()->actions())
            actions.push_back(item);
        menu->menu()->hide();
    }
    return actions;
}

} // namespace

TEST_F(ShellSeen, EachControlAsThePlayerSeesIt) {
    for (const std::string& row : kControls)
        EXPECT_EQ(Seen(*w, row.substr(0, row.find(' '))), row);
    EXPECT_EQ(w->Content()->findChildren<QAbstractButton*>().size(), 7);
}

TEST_F(ShellSeen, TheWindowAsThePlayerSeesIt) {
    auto* top = static_cast<QMainWindow*>(w->TopLevel());
    EXPECT_EQ(top->windowTitle(), "ホロミナ2.0");
    EXPECT_EQ(w->Content()->size(), QSize(640, 720));
    EXPECT_EQ(w->Content()->minimumSize(), QSize(64, 64));
    EXPECT_EQ(w->Content()->maximumSize(), QSize(640, 720));
    EXPECT_TRUE(top->menuBar()->isVisible());
    // The window manager is asked for a close and a minimise button, never for maximise.
    const Qt::WindowFlags flags = top->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowFullscreenButtonHint);
    EXPECT_FALSE(top->isFullScreen());
    // White behind the controls.
    QImage shown = w->Content()->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(600, 700)), QColor(Qt::white));
}

TEST_F(ShellSeen, EachMenuItemAsThePlayerSeesIt) {
    QApplication::clipboard()->setText("ビリー");
    fw::FieldWidget* field = FocusField(*w);
    std::vector<std::string> enabled(std::size(kMenus));
    auto seeEnabling = [&] {
        std::vector<QAction*> actions = MenusInOrder(*w);
        ASSERT_EQ(actions.size(), std::size(kMenus));
        for (std::size_t k = 0; k < actions.size(); ++k)
            if (!actions[k]->isSeparator())
                enabled[k] += std::string(enabled[k].empty() ? "" : " ") +
                              (actions[k]->isEnabled() ? "on" : "off");
    };
    field->selectAll();
    seeEnabling();
    w->TextField1()->ReadOnly(false);
    w->TextField1()->Text("");
    seeEnabling();
    game_test::TypeCommitted(*w, "ビリー");
    field->selectAll();
    seeEnabling();
    w->TextField1()->Text("");
    game_test::Compose(*w, "びりー");
    seeEnabling();

    std::vector<QAction*> actions = MenusInOrder(*w);
    for (std::size_t k = 0; k < actions.size(); ++k) {
        QAction* a = actions[k];
        EXPECT_EQ((a->isSeparator() ? "----" : a->text().toStdString()) + " | " +
                      a->shortcut().toString(QKeySequence::NativeText).toStdString() + " | " +
                      enabled[k],
                  kMenus[k]);
    }
}

// The title screen opens with the focus in the field, so the keyboard and the Edit menu have
// something to act on; Tab goes round the controls in their order, each showing the focus.
// Clicks leave the focus where it is.
TEST_F(ShellSeen, FocusStartsInTheFieldAndTabGoesRoundInOrder) {
    QApplication::setActiveWindow(w->TopLevel());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->TopLevel()));
    const char* const order[] = {"TextField1", "REALCanvas", "OKButton", "NoBtutton",  "AButton",
                                 "BButton",    "CButton",    "DButton",  "ResetButton"};
    for (const char* name : order) {
        QWidget* control = w->_ControlByName(name)->Widget();
        EXPECT_EQ(QApplication::focusWidget(), control) << name;
        const QImage focused = control->grab().toImage();
        QTest::keyClick(control, Qt::Key_Tab);
        // The player saw where the focus was: the control looks different without it.
        EXPECT_NE(control->grab().toImage(), focused) << name;
    }
    EXPECT_EQ(QApplication::focusWidget(), Field(*w));
    EXPECT_EQ(w->TextField1()->Text(), kTitleScreen); // read-only, Tab typed nothing
    QTest::keyClick(Field(*w), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), w->ResetButton()->Widget());

    Field(*w)->setFocus();
    game_test::Click(*w, "AButton");
    game_test::Click(*w, "OKButton");
    EXPECT_EQ(QApplication::focusWidget(), Field(*w));
    EXPECT_EQ(w->TextField1()->Text(), "俺の名前はタビト大伴");
}
