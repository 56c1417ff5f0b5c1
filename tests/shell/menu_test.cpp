// The menu bar: its tree, the one shared instance, a failed build, and what its items and
// getters do in the running window.
#include "framework/application.h"
#include "tests/shell/shell.h"
#include "ui/menu_bar.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace shell_test;
using ShellMenu = Game;

namespace {

// A complete bar as the game builds it: File with one item, Edit with eight.
void ExpectComplete(const MenuBar1& bar) {
    ASSERT_EQ(bar.Count(), 2);
    EXPECT_EQ(bar.Item(0)->Name(), "FileMenu");
    EXPECT_EQ(bar.Item(1)->Name(), "EditMenu");
    EXPECT_EQ(bar.Item(0)->Count(), 1);
    EXPECT_EQ(bar.Item(1)->Count(), 8);
}

} // namespace

TEST_F(ShellMenu, FileHoldsQuitAndEditItsCommandsBetweenSeparators) {
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

    for (int k = 0; k < edit->Count(); ++k) {
        auto item = edit->Item(k);
        SCOPED_TRACE(item->Name());
        bool separator = k == 1 || k == 6;
        EXPECT_EQ(item->Text() == "-", separator);
        EXPECT_EQ(item->Action()->isSeparator(), separator);
        // Separators too are named, enabled automatically and visible.
        EXPECT_TRUE(item->AutoEnable());
        EXPECT_TRUE(item->Visible());
        EXPECT_EQ(item->KeyboardShortcut().has_value(), !separator);
    }
    // Numbered against their order on screen.
    EXPECT_EQ(edit->Item(1)->Name(), "UntitledMenu1");
    EXPECT_EQ(edit->Item(6)->Name(), "UntitledMenu0");

    // Shortcuts: the menus' and Clear's are empty.
    for (const char* name : {"FileMenu", "EditMenu", "EditClear"})
        EXPECT_EQ(bar->_Lookup(name)->KeyboardShortcut(), "") << name;
    EXPECT_EQ(bar->_Lookup("EditCopy")->KeyboardShortcut(), "Cmd+C");
    const std::pair<const char*, QKeySequence> keys[] = {{"EditClear", {}},
                                                         {"EditCopy", QKeySequence::Copy},
                                                         {"EditSelectAll", QKeySequence::SelectAll},
                                                         {"FileQuit", QKeySequence("Ctrl+Q")}};
    for (const auto& [name, key] : keys)
        EXPECT_EQ(bar->_Lookup(name)->Action()->shortcut(), key) << name;
}

TEST_F(ShellMenu, OneBarServesApplicationAndWindowAndIsShown) {
    auto bar = MenuBar1_MenuBar1();
    EXPECT_EQ(bar, MenuBar1_MenuBar1());
    EXPECT_EQ(RuntimeAppObject()->MenuBar(), bar);
    EXPECT_EQ(w->MenuBar(), bar);

    QMenuBar* shown = static_cast<QMainWindow*>(w->TopLevel())->menuBar();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->isVisible());
    QStringList titles;
    for (QAction* action : shown->actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{"ファイル", "編集"}));
    // The menus hold the items' own actions.
    EXPECT_EQ(shown->actions()[1]->menu()->actions().size(), 8);
}

TEST_F(ShellMenu, WindowGettersFindEveryItemAndNeedAMenuBar) {
    auto edit = w->EditMenu();
    ASSERT_TRUE(edit);
    const std::shared_ptr<MenuItem> inOrder[] = {
        w->EditUndo(),  w->UntitledMenu1(), w->EditCut(),       w->EditCopy(),
        w->EditPaste(), w->EditClear(),     w->UntitledMenu0(), w->EditSelectAll()};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(inOrder[k], edit->Item(k)) << k;
    ASSERT_TRUE(w->FileMenu());
    EXPECT_EQ(w->FileQuit(), w->FileMenu()->Item(0));

    w->MenuBar(nullptr);
    EXPECT_THROW(w->EditCopy(), NilObjectException);
    EXPECT_THROW(w->FileQuit(), NilObjectException);
}

TEST_F(ShellMenu, QuitItemAndItsShortcutEndTheApplication) {
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

// A build that fails part way, or is tried off the main thread, leaves the holder empty: the
// next call builds the bar anew.
TEST(ShellMenuHolder, FailedBuildLeavesItEmpty) {
    fw::testing::FailOperation("MenuItem.Append", 5);
    EXPECT_EQ(Raised([] { MenuBar1_MenuBar1(); }), "RuntimeException");
    auto bar = MenuBar1_MenuBar1();
    ASSERT_TRUE(bar);
    ExpectComplete(*bar);
    EXPECT_EQ(MenuBar1_MenuBar1(), bar);
}

TEST(ShellMenuHolder, BuildOffTheMainThreadLeavesItEmpty) {
    EXPECT_EQ(RaisedOffMainThread([] { MenuBar1_MenuBar1(); }), "ThreadAccessingUIException");
    ExpectComplete(*MenuBar1_MenuBar1());
}
