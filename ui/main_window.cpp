// The class of the one window: registration, the accessor and the getters.
#include "ui/main_window.h"

namespace {
const char* const kClassName = "MainWindow.MainWindow";
}

void MainWindow::__ctblinit() {
    if (RuntimeFindClass(kClassName)) return;
    const ClassRecord& window = Window::Record();
    std::vector<std::string> table = window.operations;
    for (const char* own : {"Layout",
                            "CreateControls",
                            "_CreateControls0",
                            "OKButton",
                            "NoBtutton",
                            "AButton",
                            "BButton",
                            "DButton",
                            "CButton",
                            "ResetButton",
                            "TextField1",
                            "REALCanvas",
                            "OKButton_Action",
                            "NoBtutton_Action",
                            "AButton_Action",
                            "BButton_Action",
                            "DButton_Action",
                            "CButton_Action",
                            "ResetButton_Action",
                            "TextField1_Open",
                            "REALCanvas_Open",
                            "EditMenu",
                            "EditSelectAll",
                            "UntitledMenu0",
                            "EditClear",
                            "EditPaste",
                            "EditCopy",
                            "EditCut",
                            "UntitledMenu1",
                            "EditUndo",
                            "FileMenu",
                            "FileQuit"})
        table.emplace_back(own);
    std::vector<PropertyDecl> properties{{"abcd", PropertyType::Integer},
                                         {"job", PropertyType::String},
                                         {"i", PropertyType::Integer}};
    for (const char* unused :
         {"yesno", "HP", "MP", "Lv", "EHP", "ELv", "mykougeki", "mykyokogeki", "mymagic", "EMP"})
        properties.push_back({unused, PropertyType::Integer});
    RuntimeRegisterClass({kClassName, &window, std::move(table), std::move(properties),
                          [] { return std::make_shared<MainWindow>(); }});
}

const ClassRecord& MainWindow::__Lookup() {
    __ctblinit();
    return *RuntimeFindClass(kClassName);
}

MainWindow::~MainWindow() {
    __Exit();
}

void MainWindow::__Exit() {
    job.clear();
}

std::shared_ptr<MainWindow> MainWindow_MainWindow() {
    std::shared_ptr<Window> window = _GetImplicitWindow(kClassName);
    if (!window) {
        const ClassRecord& record = MainWindow::__Lookup();
        window = RuntimeCheckCast<Window>(RuntimeNewObject(record), record);
        Required(window, kClassName).Constructor();
    }
    return RuntimeCheckCast<MainWindow>(window, MainWindow::__Lookup());
}

template <class T>
std::shared_ptr<T> MainWindow::Control(const char* name) {
    // Nil passes through: the caller tests it.
    return RuntimeCheckCast<T>(_ControlByName(name), T::Record());
}

template <class T>
std::shared_ptr<T> MainWindow::Item(const char* name) {
    auto bar = MenuBar();
    if (!bar) throw NilObjectException("the window has no menu bar");
    return RuntimeCheckCast<T>(bar->_Lookup(name), T::Record());
}

std::shared_ptr<BevelButton> MainWindow::OKButton() {
    return Control<BevelButton>("OKButton");
}
std::shared_ptr<BevelButton> MainWindow::NoBtutton() {
    return Control<BevelButton>("NoBtutton");
}
std::shared_ptr<BevelButton> MainWindow::AButton() {
    return Control<BevelButton>("AButton");
}
std::shared_ptr<BevelButton> MainWindow::BButton() {
    return Control<BevelButton>("BButton");
}
std::shared_ptr<BevelButton> MainWindow::DButton() {
    return Control<BevelButton>("DButton");
}
std::shared_ptr<BevelButton> MainWindow::CButton() {
    return Control<BevelButton>("CButton");
}
std::shared_ptr<BevelButton> MainWindow::ResetButton() {
    return Control<BevelButton>("ResetButton");
}
std::shared_ptr<TextField> MainWindow::TextField1() {
    return Control<TextField>("TextField1");
}
std::shared_ptr<Canvas> MainWindow::REALCanvas() {
    return Control<Canvas>("REALCanvas");
}

std::shared_ptr<MenuItem> MainWindow::EditMenu() {
    return Item<MenuItem>("EditMenu");
}
std::shared_ptr<MenuItem> MainWindow::EditSelectAll() {
    return Item<MenuItem>("EditSelectAll");
}
std::shared_ptr<MenuItem> MainWindow::UntitledMenu0() {
    return Item<MenuItem>("UntitledMenu0");
}
std::shared_ptr<MenuItem> MainWindow::EditClear() {
    return Item<MenuItem>("EditClear");
}
std::shared_ptr<MenuItem> MainWindow::EditPaste() {
    return Item<MenuItem>("EditPaste");
}
std::shared_ptr<MenuItem> MainWindow::EditCopy() {
    return Item<MenuItem>("EditCopy");
}
std::shared_ptr<MenuItem> MainWindow::EditCut() {
    return Item<MenuItem>("EditCut");
}
std::shared_ptr<MenuItem> MainWindow::UntitledMenu1() {
    return Item<MenuItem>("UntitledMenu1");
}
std::shared_ptr<MenuItem> MainWindow::EditUndo() {
    return Item<MenuItem>("EditUndo");
}
std::shared_ptr<MenuItem> MainWindow::FileMenu() {
    return Item<MenuItem>("FileMenu");
}
std::shared_ptr<QuitMenuItem> MainWindow::FileQuit() {
    return Item<QuitMenuItem>("FileQuit");
}
