// The text field: what it reads back, what the player can put into it and when, and the
// Edit menu's commands on it.
#include "tests/shell/shell.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace game_test;
using namespace shell_test;
using ShellField = Game;

namespace {

// A key press as the desktop sends it, with the text it types.
void PressKey(QWidget* widget, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &release);
}

} // namespace

TEST_F(ShellField, TextReadsBackExactlyAsSetOrTyped) {
    auto field = w->TextField1();
    for (const std::string text : {"一行目\r二行目\r", "a\r\nb", "\r\r", "  空白 ", ""}) {
        field->Text(text);
        EXPECT_EQ(field->Text(), text);
    }
    field->ReadOnly(false);
    ReplaceByTyping(*w, "ハラリー");
    EXPECT_EQ(field->Text(), "ハラリー");
    // Typed after text that was set with a line break.
    field->Text("前\r");
    Field(*w)->moveCursor(QTextCursor::End);
    TypeCommitted(*w, "アジア");
    EXPECT_EQ(field->Text(), "前\rアジア");
}

// The field holds one line: no way of putting text into it brings a line break.
TEST_F(ShellField, NoWayOfEnteringTextBringsALineBreak) {
    w->TextField1()->ReadOnly(false);
    auto expectOneLine = [&](const char* way) {
        EXPECT_EQ(w->TextField1()->Text(), "ビリー") << way;
        EXPECT_EQ(Field(*w)->document()->blockCount(), 1) << way;
        w->TextField1()->Text("");
    };
    w->TextField1()->Text("");
    fw::FieldWidget* field = FocusField(*w);
    const std::pair<int, const char*> keys[] = {{Qt::Key_unknown, "ビ"},
                                                {Qt::Key_Return, "\r"},
                                                {Qt::Key_unknown, "リ"},
                                                {Qt::Key_Enter, "\r"},
                                                {Qt::Key_unknown, "ー"}};
    for (const auto& [key, text] : keys)
        PressKey(field, key, text);
    expectOneLine("keys");
    ReplaceByTyping(*w, "ビリー\n");
    TypeCommitted(*w, "\r\n");
    expectOneLine("input method");
    QApplication::clipboard()->setText("ビ\nリ\r\nー");
    Choose(w->EditPaste());
    expectOneLine("paste");
}

TEST_F(ShellField, ReadOnlyRefusesEveryInputAndIsBorderedAndWhite) {
    fw::FieldWidget* field = FocusField(*w);
    EXPECT_TRUE(w->TextField1()->ReadOnly());
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_NE(field->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::black));

    EXPECT_FALSE(field->testAttribute(Qt::WA_InputMethodEnabled));
    PressKey(field, Qt::Key_unknown, "ビ");
    QApplication::clipboard()->setText("ビリー");
    Choose(w->EditPaste());
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    Choose(w->EditSelectAll());
    Choose(w->EditCut());
    Choose(w->EditClear());
    EXPECT_EQ(w->TextField1()->Text(), kTitleScreen);

    w->TextField1()->ReadOnly(false);
    EXPECT_TRUE(field->testAttribute(Qt::WA_InputMethodEnabled));
    Choose(w->EditSelectAll());
    Choose(w->EditClear());
    EXPECT_EQ(w->TextField1()->Text(), "");
}

TEST_F(ShellField, SelectAllAndCopyPutTheTextOnTheClipboard) {
    FocusField(*w);
    QApplication::clipboard()->clear();
    Choose(w->EditSelectAll());
    Choose(w->EditCopy());
    // On the clipboard a line break is the desktop's own.
    EXPECT_EQ(QApplication::clipboard()->text(), QString("ホロミナ2.0\nPRESS OK BUTTON"));
}

TEST_F(ShellField, LongLinesWrapInside) {
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
