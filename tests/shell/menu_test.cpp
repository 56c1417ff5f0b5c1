// The menu bar: its tree, the one shared instance, a failed build, and what the items do
// in the running window.
#include "framework/application.h"
#include "framework/qt_bridge.h"
#include "framework/testing.h"
#include "tests/support/game.h"
#include "ui/menu_bar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

#include <thread>

using namespace game_test;

namespace {

std::vector<std::string> Names(const MenuItem& menu) {
    std::vector<std::string> names;
    for (int k = 0; k < menu.Count(); ++k)
        names.push_back(menu.Item(k)->Name());
    return names;
}

// A complete bar as the game builds it: File with one item, Edit with eight.
void ExpectComplete(const MenuBar1& bar) {
    ASSERT_EQ(Names(bar), (std::vector<std::string>{"FileMenu", "EditMenu"}));
    EXPECT_EQ(bar.Item(0)->Count(), 1);
    EXPECT_EQ(bar.Item(1)->Count(), 8);
}

// Focuses the field in the active window, where the Edit items look for it.
fw::FieldWidget* FocusField(MainWindow& window) {
    QApplication::setActiveWindow(window.TopLevel());
    auto* field = static_cast<fw::FieldWidget*>(window.TextField1()->Widget());
    field->setFocus();
    return field;
}

void Choose(const std::shared_ptr<MenuItem>& item) {
    ASSERT_TRUE(item && item->Action());
    item->Action()->trigger();
}

} // namespace

TEST(ShellMenu, FileThenEditEachOnce) {
    auto bar = MenuBar1_MenuBar1();
    ExpectComplete(*bar);
    auto file = bar->Child("FileMenu");
    auto edit = bar->Child("EditMenu");
    EXPECT_EQ(file->Text(), "ファイル");
    EXPECT_EQ(edit->Text(), "編集");

    auto quit = file->Item(0);
    EXPECT_EQ(quit->Name(), "FileQuit");
    EXPECT_TRUE(std::dynamic_pointer_cast<QuitMenuItem>(quit));
    EXPECT_EQ(quit->Text(), "終了");
    EXPECT_EQ(quit->KeyboardShortcut(), "Cmd+Q");
}

TEST(ShellMenu, EditMenuHasItsSeparatorsSecondAndSeventh) {
    auto edit = MenuBar1_MenuBar1()->Child("EditMenu");
    ASSERT_EQ(edit->Count(), 8);
    for (int k = 0; k < edit->Count(); ++k) {
        auto item = edit->Item(k);
        bool separator = k == 1 || k == 6;
        EXPECT_EQ(item->Text() == "-", separator) << item->Name();
        EXPECT_EQ(item->Action()->isSeparator(), separator) << item->Name();
        // Separators are still named, enabled automatically and visible.
        EXPECT_TRUE(item->AutoEnable()) << item->Name();
        EXPECT_TRUE(item->Visible()) << item->Name();
        EXPECT_EQ(item->KeyboardShortcut().has_value(), !separator) << item->Name();
    }
    // Numbered against their order on screen.
    EXPECT_EQ(edit->Item(1)->Name(), "UntitledMenu1");
    EXPECT_EQ(edit->Item(6)->Name(), "UntitledMenu0");
}

TEST(ShellMenu, ShortcutsAreSetAndMenusAndClearHaveEmptyOnes) {
    auto bar = MenuBar1_MenuBar1();
    EXPECT_EQ(bar->Child("FileMenu")->KeyboardShortcut(), "");
    EXPECT_EQ(bar->Child("EditMenu")->KeyboardShortcut(), "");
    EXPECT_EQ(bar->_Lookup("EditClear")->KeyboardShortcut(), "");
    EXPECT_TRUE(bar->_Lookup("EditClear")->Action()->shortcut().isEmpty());
    EXPECT_EQ(bar->_Lookup("EditCopy")->KeyboardShortcut(), "Cmd+C");
    EXPECT_EQ(bar->_Lookup("EditCopy")->Action()->shortcut(), QKeySequence::Copy);
    EXPECT_EQ(bar->_Lookup("EditSelectAll")->Action()->shortcut(), QKeySequence::SelectAll);
    EXPECT_EQ(bar->_Lookup("FileQuit")->Action()->shortcut(), QKeySequence("Ctrl+Q"));
}

TEST(ShellMenu, OneBarServesApplicationAndWindow) {
    auto w = StartGame();
    auto bar = MenuBar1_MenuBar1();
    EXPECT_EQ(bar, MenuBar1_MenuBar1());
    EXPECT_EQ(RuntimeAppObject()->MenuBar(), bar);
    EXPECT_EQ(w->MenuBar(), bar);
}

TEST(ShellMenu, WindowGettersFindEveryItem) {
    auto w = StartGame();
    auto edit = w->EditMenu();
    ASSERT_TRUE(edit);
    EXPECT_EQ(w->EditUndo(), edit->Item(0));
    EXPECT_EQ(w->UntitledMenu1(), edit->Item(1));
    EXPECT_EQ(w->EditCut(), edit->Item(2));
    EXPECT_EQ(w->EditCopy(), edit->Item(3));
    EXPECT_EQ(w->EditPaste(), edit->Item(4));
    EXPECT_EQ(w->EditClear(), edit->Item(5));
    EXPECT_EQ(w->UntitledMenu0(), edit->Item(6));
    EXPECT_EQ(w->EditSelectAll(), edit->Item(7));
    ASSERT_TRUE(w->FileMenu());
    EXPECT_EQ(w->FileQuit(), w->FileMenu()->Item(0));
}

TEST(ShellMenu, WindowShowsFileAndEdit) {
    auto w = StartGame();
    auto* top = static_cast<QMainWindow*>(w->TopLevel());
    QMenuBar* qbar = top->menuBar();
    ASSERT_TRUE(qbar);
    EXPECT_TRUE(qbar->isVisible());
    QStringList titles;
    for (QAction* action : qbar->actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{"ファイル", "編集"}));
    // The menus hold the items' own actions.
    EXPECT_EQ(qbar->actions()[1]->menu()->actions().size(), 8);
}

TEST(ShellMenu, QuitItemAndItsShortcutEndTheApplication) {
    auto w = StartGame();
    {
        fw::testing::OperationLog log;
        Choose(w->FileQuit());
        EXPECT_EQ(log.Matching("Quit"), std::vector<std::string>{"Quit 0"});
    }
    fw::testing::OperationLog log;
    QApplication::setActiveWindow(w->TopLevel());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->TopLevel()));
    QTest::keyClick(w->TopLevel(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(log.Matching("Quit"), std::vector<std::string>{"Quit 0"});
}

TEST(ShellMenu, FailedBuildLeavesNothingAndTheNextCallBuildsAnew) {
    fw::testing::FailOperation("MenuItem.Append", 5);
    EXPECT_THROW(MenuBar1_MenuBar1(), RuntimeException);
    auto bar = MenuBar1_MenuBar1();
    ASSERT_TRUE(bar);
    ExpectComplete(*bar);
    EXPECT_EQ(MenuBar1_MenuBar1(), bar);
}

TEST(ShellMenu, FailureOffTheMainThreadLeavesTheHolderEmpty) {
    std::exception_ptr failure;
    std::thread([&] {
        try {
            MenuBar1_MenuBar1();
        } catch (...) {
            failure = std::current_exception();
        }
    }).join();
    ASSERT_TRUE(failure);
    EXPECT_THROW(std::rethrow_exception(failure), ThreadAccessingUIException);
    ExpectComplete(*MenuBar1_MenuBar1());
}

TEST(ShellMenu, SelectAllAndCopyPutTheFieldsTextOnTheClipboard) {
    auto w = StartGame();
    FocusField(*w);
    QApplication::clipboard()->clear();
    Choose(w->EditSelectAll());
    Choose(w->EditCopy());
    // On the clipboard a line break is the desktop's own.
    EXPECT_EQ(QApplication::clipboard()->text(), QString("ホロミナ2.0\nPRESS OK BUTTON"));
}

TEST(ShellMenu, PasteGoesIntoAnEditableFieldWithoutLineBreaks) {
    auto w = StartGame();
    w->TextField1()->Text("");
    w->TextField1()->ReadOnly(false);
    FocusField(*w);
    QApplication::clipboard()->setText("ビ\nリ\r\nー");
    Choose(w->EditPaste());
    EXPECT_EQ(w->TextField1()->Text(), "ビリー");
}

TEST(ShellMenu, PasteLeavesAReadOnlyFieldAlone) {
    auto w = StartGame();
    auto* field = FocusField(*w);
    QApplication::clipboard()->setText("ビリー");
    Choose(w->EditPaste());
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w->TextField1()->Text(), "ホロミナ2.0\rPRESS OK BUTTON");
}

TEST(ShellMenu, CutAndClearChangeOnlyAnEditableField) {
    auto w = StartGame();
    FocusField(*w);
    Choose(w->EditSelectAll());
    Choose(w->EditCut());
    Choose(w->EditClear());
    EXPECT_EQ(w->TextField1()->Text(), "ホロミナ2.0\rPRESS OK BUTTON");

    w->TextField1()->ReadOnly(false);
    Choose(w->EditSelectAll());
    Choose(w->EditClear());
    EXPECT_EQ(w->TextField1()->Text(), "");
}

TEST(ShellMenu, ItemGettersNeedAMenuBar) {
    auto w = StartGame();
    w->MenuBar(nullptr);
    EXPECT_THROW(w->EditCopy(), NilObjectException);
    EXPECT_THROW(w->FileQuit(), NilObjectException);
}
