// The menu tree, item by item in the order they are made.
#include "ui/menu_bar.h"

namespace {

std::shared_ptr<MenuBar1> g_implicitInstance;

struct MenuRow {
    const char* name;
    bool quits;
    const char* appendedTo; // nullptr: the bar itself
    const char* text;
    const char* shortcut; // nullptr: not set (separators)
};

// clang-format off
constexpr MenuRow kFileMenu[] = {
    // Name            quits  Appended to  Text        KeyboardShortcut
    {"FileMenu",       false, nullptr,     "ファイル",  ""},
    {"FileQuit",       true,  "FileMenu",  "終了",      "Cmd+Q"},
};
constexpr MenuRow kEditMenu[] = {
    {"EditMenu",       false, nullptr,     "編集",      ""},
    {"EditUndo",       false, "EditMenu",  "元に戻す",  "Cmd+Z"},
    {"UntitledMenu1",  false, "EditMenu",  "-",         nullptr},
    {"EditCut",        false, "EditMenu",  "カット",    "Cmd+X"},
    {"EditCopy",       false, "EditMenu",  "コピー",    "Cmd+C"},
    {"EditPaste",      false, "EditMenu",  "貼り付け",  "Cmd+V"},
    {"EditClear",      false, "EditMenu",  "削除",      ""},
    {"UntitledMenu0",  false, "EditMenu",  "-",         nullptr},
    {"EditSelectAll",  false, "EditMenu",  "すべてを選択", "Cmd+A"},
};
// clang-format on

void AddItem(MenuBar1& bar, const MenuRow& row) {
    const ClassRecord& record = row.quits ? QuitMenuItem::Record() : MenuItem::Record();
    auto item = RuntimeCheckCast<MenuItem>(RuntimeNewObject(record), record);
    Required(item, row.name).Constructor();
    Required(item, row.name).Name(row.name);
    Required(item, row.name).AutoEnable(true);
    Required(item, row.name).Text(row.text);
    Required(item, row.name).Visible(true);
    if (row.shortcut) Required(item, row.name).KeyboardShortcut(row.shortcut);
    if (!row.appendedTo) {
        bar.Append(item);
        return;
    }
    // The menu is looked up afresh for every item it receives.
    Required(bar.Child(row.appendedTo), row.appendedTo).Append(item);
}

} // namespace

const ClassRecord& MenuBar1::__Lookup() {
    __ctblinit();
    return *RuntimeFindClass("MenuBar1");
}

void MenuBar1::__ctblinit() {
    if (RuntimeFindClass("MenuBar1")) return;
    std::vector<std::string> table = MenuBar::Record().operations;
    table[4] = "MenuBar1.Constructor"; // in place of the inherited default constructor
    table.emplace_back("Untitled0");
    table.emplace_back("Untitled1");
    RuntimeRegisterClass({"MenuBar1", &MenuBar::Record(), std::move(table), {}, [] {
                              return std::make_shared<MenuBar1>();
                          }});
}

void MenuBar1::_implicitInstance__Init() {}

void MenuBar1::Constructor() {
    MenuBar::Constructor();
    Untitled0();
    Untitled1();
}

void MenuBar1::Untitled0() {
    for (const MenuRow& row : kFileMenu)
        AddItem(*this, row);
}

void MenuBar1::Untitled1() {
    for (const MenuRow& row : kEditMenu)
        AddItem(*this, row);
}

std::shared_ptr<MenuBar1> MenuBar1_MenuBar1() {
    if (!g_implicitInstance) {
        const ClassRecord& record = MenuBar1::__Lookup();
        auto bar = RuntimeCheckCast<MenuBar1>(RuntimeNewObject(record), record);
        Required(bar, "MenuBar1").Constructor();
        // Only a completely built bar is kept.
        g_implicitInstance = bar;
    }
    return g_implicitInstance;
}
