// The one window after the real start-up: its controls, their places and tab order, the
// window's size limits, the text field's behaviour and the title screen.
#include "framework/qt_bridge.h"
#include "framework/testing.h"
#include "resources/pictures.h"
#include "tests/support/game.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace game_test;

namespace {

constexpr const char* kTitleScreen = "ホロミナ2.0\rPRESS OK BUTTON";

fw::FieldWidget* Field(MainWindow& window) {
    return static_cast<fw::FieldWidget*>(window.TextField1()->Widget());
}

// A key press as the desktop sends it, with the text it types.
void PressKey(QWidget* widget, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &release);
}

} // namespace

TEST(ShellWindow, OneWindowFromTwoCalls) {
    auto w = StartGame();
    fw::testing::OperationLog log;
    EXPECT_EQ(MainWindow_MainWindow(), w);
    EXPECT_TRUE(log.Matching("Window.Constructor").empty());
    EXPECT_EQ(w->i, 0);
    EXPECT_EQ(w->abcd, 0);
    EXPECT_EQ(w->job, "");
}

TEST(ShellWindow, NineControlsWithTheirClasses) {
    auto w = StartGame();
    for (const char* name :
         {"OKButton", "NoBtutton", "AButton", "BButton", "CButton", "DButton", "ResetButton"})
        EXPECT_TRUE(std::dynamic_pointer_cast<BevelButton>(w->_ControlByName(name))) << name;
    EXPECT_TRUE(w->TextField1());
    EXPECT_TRUE(w->REALCanvas());
    EXPECT_EQ(w->Content()->findChildren<QPushButton*>().size(), 7);
}

TEST(ShellWindow, GettersGiveNilForControlsNotHeld) {
    auto w = StartGame();
    fw::testing::ForgetControl(*w, "TextField1");
    fw::testing::ForgetControl(*w, "REALCanvas");
    fw::testing::ForgetControl(*w, "OKButton");
    EXPECT_NO_THROW({
        EXPECT_EQ(w->TextField1(), nullptr);
        EXPECT_EQ(w->REALCanvas(), nullptr);
        EXPECT_EQ(w->OKButton(), nullptr);
    });
    EXPECT_TRUE(w->NoBtutton());
}

TEST(ShellWindow, ControlsStandWhereTheyBelongWithTheirCaptions) {
    auto w = StartGame();
    auto place = [&](const char* name) { return w->_ControlByName(name)->Widget()->geometry(); };
    EXPECT_EQ(place("OKButton"), QRect(87, 592, 68, 41));
    EXPECT_EQ(place("AButton"), QRect(88, 634, 60, 33));
    EXPECT_EQ(place("CButton"), QRect(232, 634, 60, 33));
    EXPECT_EQ(place("DButton"), QRect(297, 634, 60, 33));
    EXPECT_EQ(place("ResetButton"), QRect(247, 592, 68, 41));
    EXPECT_EQ(place("TextField1"), QRect(0, 480, 640, 100));
    EXPECT_EQ(place("REALCanvas"), QRect(0, 0, 640, 480));
    auto caption = [&](const char* name) {
        return static_cast<QPushButton*>(w->_ControlByName(name)->Widget())->text();
    };
    EXPECT_EQ(caption("OKButton"), "OK");
    EXPECT_EQ(caption("NoBtutton"), "Quit");
    EXPECT_EQ(caption("DButton"), "D");
    EXPECT_EQ(caption("ResetButton"), "Reset");
    for (auto* button : w->Content()->findChildren<QPushButton*>()) {
        EXPECT_TRUE(button->isVisible());
        EXPECT_TRUE(button->isEnabled());
    }
}

TEST(ShellWindow, TabGoesThroughTheControlsInTheirTabOrder) {
    auto w = StartGame();
    QApplication::setActiveWindow(w->TopLevel());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->TopLevel()));
    const std::vector<std::string> order{"TextField1", "REALCanvas", "OKButton",
                                         "NoBtutton",  "AButton",    "BButton",
                                         "CButton",    "DButton",    "ResetButton"};
    w->TextField1()->Widget()->setFocus();
    std::vector<std::string> visited;
    for (std::size_t k = 0; k < order.size(); ++k) {
        QWidget* focused = QApplication::focusWidget();
        std::string name = "?";
        for (const auto& candidate : order)
            if (w->_ControlByName(candidate)->Widget() == focused) name = candidate;
        visited.push_back(name);
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, order);
}

TEST(ShellWindow, WindowIsTitledWhiteAndSizedWithinItsLimits) {
    auto w = StartGame();
    QWidget* top = w->TopLevel();
    QWidget* content = w->Content();
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(top->windowTitle(), "ホロミナ2.0");
    EXPECT_EQ(content->size(), QSize(640, 720));
    EXPECT_TRUE(content->autoFillBackground());
    EXPECT_EQ(content->palette().color(QPalette::Window), QColor(Qt::white));

    QRect canvas = w->REALCanvas()->Widget()->geometry();
    top->resize(200, 150);
    QApplication::processEvents();
    EXPECT_EQ(content->size(), QSize(200, 150 - (top->height() - content->height())));
    top->resize(100, 100 + (top->height() - content->height()));
    QApplication::processEvents();
    EXPECT_GE(content->width(), 64);
    EXPECT_GE(content->height(), 64);
    top->resize(5000, 5000);
    QApplication::processEvents();
    EXPECT_EQ(content->size(), QSize(640, 720));
    // Locked to the left and top: resizing moves nothing.
    EXPECT_EQ(w->REALCanvas()->Widget()->geometry(), canvas);
    EXPECT_EQ(w->OKButton()->Widget()->geometry(), QRect(87, 592, 68, 41));
}

TEST(ShellWindow, ContentCanShrinkTo64Square) {
    auto w = StartGame();
    EXPECT_EQ(w->Content()->minimumSize(), QSize(64, 64));
    EXPECT_EQ(w->Content()->maximumSize(), QSize(640, 720));
    int bar = w->TopLevel()->height() - w->Content()->height();
    w->TopLevel()->resize(64, 64 + bar);
    QApplication::processEvents();
    EXPECT_EQ(w->Content()->size(), QSize(64, 64));
}

TEST(ShellWindow, TextFieldIsReadOnlyBorderedAndWhite) {
    auto w = StartGame();
    fw::FieldWidget* field = Field(*w);
    EXPECT_TRUE(w->TextField1()->ReadOnly());
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_NE(field->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST(ShellWindow, TitleScreenShowsFirstAndTheTitleText) {
    auto w = StartGame();
    EXPECT_EQ(w->TextField1()->Text(), kTitleScreen);
    EXPECT_EQ(w->REALCanvas()->Backdrop(), FIRST());
    // Shown on two lines, with nothing else.
    EXPECT_EQ(Field(*w)->document()->blockCount(), 2);
    EXPECT_EQ(Field(*w)->toPlainText(), "ホロミナ2.0\nPRESS OK BUTTON");
}

TEST(ShellWindow, CanvasPaintsItsBackdrop) {
    auto w = StartGame();
    QImage shown = w->Content()->grab(QRect(0, 0, 640, 480)).toImage();
    const QImage& first = FIRST()->Image().image;
    for (QPoint p : {QPoint(0, 0), QPoint(320, 240), QPoint(639, 479), QPoint(100, 400)})
        EXPECT_EQ(shown.pixel(p), first.pixel(p)) << p.x() << "," << p.y();
}

TEST(ShellWindow, TitleScreenWithoutFirstShowsAnEmptyCanvas) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const QString& name : QDir(HOLOMINA_PICTURE_DIR).entryList(QDir::Files))
        if (name != "FIRST") {
            ASSERT_TRUE(
                QFile::copy(QString(HOLOMINA_PICTURE_DIR) + "/" + name, dir.filePath(name)));
        }
    fw::testing::SetResourceFolder(dir.path().toStdString());
    auto w = StartGame();
    EXPECT_EQ(w->REALCanvas()->Backdrop(), nullptr);
    EXPECT_EQ(w->TextField1()->Text(), kTitleScreen);
    EXPECT_TRUE(w->TopLevel()->isVisible());
    // The white window shows through the empty canvas.
    QImage shown = w->Content()->grab(QRect(0, 0, 640, 480)).toImage();
    EXPECT_EQ(QColor(shown.pixel(320, 240)), QColor(Qt::white));
}

TEST(ShellWindow, FieldTextReadsBackExactlyAsSet) {
    auto w = StartGame();
    auto field = w->TextField1();
    for (const std::string& text : {std::string("一行目\r二行目\r"), std::string("a\r\nb"),
                                    std::string("\r\r"), std::string("  空白 "), std::string("")}) {
        field->Text(text);
        EXPECT_EQ(field->Text(), text);
    }
}

TEST(ShellWindow, FieldTextGivesWhatThePlayerTyped) {
    auto w = StartGame();
    w->TextField1()->ReadOnly(false);
    ReplaceByTyping(*w, "ハラリー");
    EXPECT_EQ(w->TextField1()->Text(), "ハラリー");
    // Typed after text that was set with a line break.
    w->TextField1()->Text("前\r");
    Field(*w)->moveCursor(QTextCursor::End);
    TypeCommitted(*w, "アジア");
    EXPECT_EQ(w->TextField1()->Text(), "前\rアジア");
}

TEST(ShellWindow, KeysTypeOnlyIntoAnEditableFieldAndEnterAddsNothing) {
    auto w = StartGame();
    fw::FieldWidget* field = Field(*w);
    QApplication::setActiveWindow(w->TopLevel());
    field->setFocus();
    PressKey(field, Qt::Key_unknown, "ビ");
    EXPECT_EQ(w->TextField1()->Text(), kTitleScreen);

    w->TextField1()->Text("");
    w->TextField1()->ReadOnly(false);
    PressKey(field, Qt::Key_unknown, "ビ");
    PressKey(field, Qt::Key_Return, "\r");
    PressKey(field, Qt::Key_Enter, "\r");
    PressKey(field, Qt::Key_unknown, "リ");
    EXPECT_EQ(w->TextField1()->Text(), "ビリ");
    EXPECT_EQ(field->document()->blockCount(), 1);
}

TEST(ShellWindow, InputMethodCommitsBringNoLineBreak) {
    auto w = StartGame();
    w->TextField1()->ReadOnly(false);
    ReplaceByTyping(*w, "ビリー\n");
    EXPECT_EQ(w->TextField1()->Text(), "ビリー");
    TypeCommitted(*w, "\r\n");
    EXPECT_EQ(w->TextField1()->Text(), "ビリー");
}

TEST(ShellWindow, ReadOnlyFieldTakesNoInputMethod) {
    auto w = StartGame();
    fw::FieldWidget* field = Field(*w);
    EXPECT_FALSE(field->testAttribute(Qt::WA_InputMethodEnabled));
    w->TextField1()->ReadOnly(false);
    EXPECT_TRUE(field->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST(ShellWindow, LongLinesWrapInsideTheField) {
    auto w = StartGame();
    std::string longLine;
    for (int k = 0; k < 60; ++k)
        longLine += "ホロミナ";
    w->TextField1()->Text(longLine);
    QApplication::processEvents();
    QTextBlock block = Field(*w)->document()->firstBlock();
    ASSERT_TRUE(block.layout());
    EXPECT_GT(block.layout()->lineCount(), 1);
    for (int k = 0; k < block.layout()->lineCount(); ++k)
        EXPECT_LE(block.layout()->lineAt(k).naturalTextWidth(), 640);
}
