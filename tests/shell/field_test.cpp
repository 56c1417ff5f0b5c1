// The text field: what the player can put into it and when, how it looks while read-only,
// Tab in it, and its right-click menu.
#include "tests/shell/shell.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

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

// The field holds one line: no way of putting text into it brings a line break of any kind,
// the text control's frame markers included, and the name checked is the name shown.
TEST_F(ShellField, NoWayOfEnteringTextBringsALineBreak) {
    w->i = 45; // the name prompt opens the field
    PressOK(*w);
    w->TextField1()->Text("");
    auto expectOneLine = [&](const char* way) {
        EXPECT_EQ(w->TextField1()->Text(), "ビリー") << way;
        EXPECT_EQ(Field(*w)->document()->blockCount(), 1) << way;
    };
    fw::FieldWidget* field = FocusField(*w);
    const std::pair<int, const char*> keys[] = {
        {Qt::Key_unknown, "ビ"},       {Qt::Key_Return, "\r"},      {Qt::Key_Enter, "\r"},
        {Qt::Key_unknown, "リ\uFDD0"}, {Qt::Key_unknown, "\u2029"}, {Qt::Key_unknown, "ー\u2028"}};
    for (const auto& [key, text] : keys)
        PressKey(field, key, text);
    expectOneLine("keys");
    ReplaceByTyping(*w, "ビ\u2028リ\uFDD1ー\n");
    TypeCommitted(*w, "\r\n\u0085\u2029\uFDD0");
    expectOneLine("input method");
    w->TextField1()->Text("");
    QApplication::clipboard()->setText("ビ\nリ\r\n\v\f\u0085\u2028\u2029ー\uFDD1");
    Choose(w->EditPaste());
    expectOneLine("paste");
    PressOK(*w);
    EXPECT_EQ(Shown(*w), "BILLY.png | 大正解！");
}

// Read-only, the field takes nothing, shows no text cursor, yet its text can be selected and
// copied from the keyboard.
TEST_F(ShellField, ReadOnlyTakesNothingShowsNoCursorAndStillCopies) {
    QApplication::setCursorFlashTime(0); // a cursor, if any, shows at every paint
    fw::FieldWidget* field = FocusField(*w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->TopLevel()));
    const QImage unfocused = [&] {
        field->clearFocus();
        QImage image = field->viewport()->grab().toImage();
        field->setFocus();
        return image;
    }();
    EXPECT_EQ(field->viewport()->grab().toImage(), unfocused);

    PressKey(field, Qt::Key_unknown, "ビ");
    TypeCommitted(*w, "ビリー");
    QApplication::clipboard()->setText("ビリー");
    for (const auto& item : {w->EditPaste(), w->EditSelectAll(), w->EditCut(), w->EditClear()})
        Choose(item);
    EXPECT_EQ(w->TextField1()->Text(), kTitleScreen);

    QApplication::clipboard()->clear();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    // On the clipboard a line break is the desktop's own.
    EXPECT_EQ(QApplication::clipboard()->text(), QString("ホロミナ2.0\nPRESS OK BUTTON"));

    // Editable, the same field shows its cursor.
    w->TextField1()->ReadOnly(false);
    field->clearFocus();
    field->setFocus();
    EXPECT_NE(field->viewport()->grab().toImage(), unfocused);
}

// Editable, Tab types a tab and Ctrl+Tab moves on (read-only, Tab moves on: the focus test).
TEST_F(ShellField, TabTypesATabWhileEditable) {
    fw::FieldWidget* field = FocusField(*w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->TopLevel()));
    QWidget* canvas = w->REALCanvas()->Widget();
    w->TextField1()->ReadOnly(false);
    w->TextField1()->Text("");
    field->setFocus();
    for (const char* typed : {"ビ", "ー"}) {
        TypeCommitted(*w, typed);
        QTest::keyClick(field, Qt::Key_Tab);
    }
    EXPECT_EQ(w->TextField1()->Text(), "ビ\tー\t");
    EXPECT_EQ(QApplication::focusWidget(), field);
    QTest::keyClick(field, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), canvas);
    QTest::keyClick(canvas, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Backtab, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), w->ResetButton()->Widget());
    EXPECT_EQ(w->TextField1()->Text(), "ビ\tー\t");
}

// Every edit command given while the input method composes, by key, by the Edit menu or by
// the field's own menu (from the keyboard's menu key), acts on the text as the player sees
// it: the composition goes in first, once, though the input method then commits it again.
TEST_F(ShellField, EditsWhileComposingActOnTheTextAsShown) {
    w->i = 45; // the name prompt opens the field
    PressOK(*w);
    fw::FieldWidget* field = FocusField(*w);
    auto ownMenu = [&](const QString& item) {
        QTimer::singleShot(0, [&] {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_TRUE(popup);
            for (QAction* action : popup->actions())
                if (action->text() == item && action->isEnabled()) action->trigger();
            popup->close();
        });
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(20, 20),
                              field->mapToGlobal(QPoint(20, 20)));
        QCoreApplication::sendEvent(field, &key);
    };
    // What the field then holds, and what a copy of its selection puts on the clipboard.
    const struct {
        const char* way;
        std::function<void()> edit;
        const char* field;
        const char* clipboard;
    } edits[] = {
        {"Ctrl+V", [&] { QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier); },
         "ウマびりーアイウ", "アイウ"},
        {"貼り付け", [&] { Choose(w->EditPaste()); }, "ウマびりーアイウ", "アイウ"},
        {"Ctrl+A", [&] { QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier); }, "ウマびりー",
         "ウマびりー"},
        {"すべてを選択", [&] { Choose(w->EditSelectAll()); }, "ウマびりー", "ウマびりー"},
        {"the field's menu", [&] { ownMenu("すべてを選択"); }, "ウマびりー", "ウマびりー"},
    };
    for (const auto& e : edits) {
        SCOPED_TRACE(e.way);
        QApplication::clipboard()->setText("アイウ");
        ReplaceByTyping(*w, "ウマ");
        Compose(*w, "びりー");
        QTest::keyClick(field, Qt::Key_Control); // a modifier by itself is no command
        EXPECT_EQ(FieldText(*w), "ウマ");
        e.edit();
        Commit(*w, "びりー"); // the input method's own commit, after the field's
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(FieldText(*w), e.field);
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), e.clipboard);
        EXPECT_EQ(w->TopLevel()->focusWidget(), field);
    }
}

// Pasted from the Edit menu, a long text leaves the caret in sight, as the paste key does.
TEST_F(ShellField, AMenuPasteShowsTheCaretAsThePasteKeyDoes) {
    QApplication::setCursorFlashTime(0); // the caret shows at every paint
    w->TextField1()->ReadOnly(false);
    fw::FieldWidget* field = FocusField(*w);
    QApplication::clipboard()->setText(QString(300, u'ア'));
    QImage shown[2];
    for (QImage& view : shown) {
        w->TextField1()->Text("");
        if (&view == &shown[0])
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        else
            Choose(w->EditPaste());
        view = field->viewport()->grab().toImage();
        EXPECT_TRUE(field->viewport()->rect().contains(field->cursorRect()));
    }
    EXPECT_EQ(shown[1], shown[0]);
    EXPECT_GT(field->verticalScrollBar()->value(), 0);
}

// A right click on the field shows the Edit menu's commands, in the Edit menu's words.
TEST_F(ShellField, RightClickShowsTheEditCommands) {
    fw::FieldWidget* field = Field(*w);
    QStringList shown;
    QTimer::singleShot(0, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            for (QAction* action : popup->actions())
                shown << action->text();
            popup->close();
        }
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 20),
                            field->mapToGlobal(QPoint(20, 20)));
    QCoreApplication::sendEvent(field->viewport(), &click);
    QStringList edit;
    for (int k = 0; k < w->EditMenu()->Count(); ++k)
        edit << QString::fromStdString(w->EditMenu()->Item(k)->Text()).replace("-", "");
    EXPECT_EQ(shown, edit);
    // They act on this field.
    EXPECT_EQ(w->TopLevel()->focusWidget(), field);
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
