// CreateControls and Layout: the nine controls made, set up from their property sets and
// bound to their handlers; then the window's menu bar and its own property set.
#include "ui/layout.h"

#include "framework/properties.h"
#include "resources/pictures.h"
#include "ui/main_window.h"
#include "ui/menu_bar.h"

#include <cstdint>

namespace {

constexpr std::int64_t kNoIndex = -2147483648LL;
constexpr std::string_view kTitle = "ホロミナ2.0";

// Entries 1-13, the same names, order and types in every control's record.
PropertySet Placed(const char* name, std::int64_t left, std::int64_t top, std::int64_t width,
                   std::int64_t height, std::int64_t tabIndex) {
    PropertySet set;
    set.String("Name", name)
        .Integer("Index", kNoIndex)
        .Integer("Left", left)
        .Integer("Top", top)
        .Integer("Width", width)
        .Integer("Height", height)
        .Boolean("LockLeft", true)
        .Boolean("LockTop", true)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Integer("TabPanelIndex", 0)
        .Integer("TabIndex", tabIndex)
        .Boolean("TabStop", true);
    return set;
}

void SystemFont(PropertySet& set) {
    set.String("TextFont", "System")
        .Single("TextSize", 0)
        .Units("TextUnit", FontUnits{0})
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false);
}

// clang-format off
constexpr ButtonPlace kButtons[] = {
    // Name          Left  Top  Width Height Caption  TabIndex
    {"OKButton",     87,   592, 68,   41,    "OK",    2},
    {"NoBtutton",    167,  592, 68,   41,    "Quit",  3},
    {"AButton",      88,   634, 60,   33,    "A",     4},
    {"BButton",      160,  634, 60,   33,    "B",     5},
    {"DButton",      297,  634, 60,   33,    "D",     7},
    {"CButton",      232,  634, 60,   33,    "C",     6},
    {"ResetButton",  247,  592, 68,   41,    "Reset", 8},
};
// clang-format on

using Binder = Delegate (*)(const std::shared_ptr<MainWindow>&);

struct ControlRow {
    const char* name;
    const ClassRecord& (*record)();
    int event;
    Binder bind;
};

template <auto Method>
Delegate Bind(const std::shared_ptr<MainWindow>& window) {
    return RuntimeCreateDelegate(window, Method);
}

// In the order they are made: DButton comes before CButton.
const ControlRow kControls[] = {
    {"OKButton", BevelButton::Record, kEventAction, Bind<&MainWindow::OKButton_Action>},
    {"NoBtutton", BevelButton::Record, kEventAction, Bind<&MainWindow::NoBtutton_Action>},
    {"AButton", BevelButton::Record, kEventAction, Bind<&MainWindow::AButton_Action>},
    {"BButton", BevelButton::Record, kEventAction, Bind<&MainWindow::BButton_Action>},
    {"DButton", BevelButton::Record, kEventAction, Bind<&MainWindow::DButton_Action>},
    {"CButton", BevelButton::Record, kEventAction, Bind<&MainWindow::CButton_Action>},
    {"ResetButton", BevelButton::Record, kEventAction, Bind<&MainWindow::ResetButton_Action>},
    {"TextField1", TextField::Record, kEventOpen, Bind<&MainWindow::TextField1_Open>},
    {"REALCanvas", Canvas::Record, kEventOpen, Bind<&MainWindow::REALCanvas_Open>},
};

} // namespace

std::string ButtonRecord(const ButtonPlace& b) {
    PropertySet set = Placed(b.name, b.left, b.top, b.width, b.height, b.tabIndex);
    set.String("InitialParent", "")
        .Boolean("Visible", true)
        .String("HelpTag", "")
        .Boolean("AutoDeactivate", true)
        .Boolean("Enabled", true)
        .String("Caption", b.caption)
        .Integer("CaptionAlign", 3)
        .Integer("CaptionPlacement", 1)
        .Integer("CaptionDelta", 0)
        .Integer("IconAlign", 0)
        .Integer("IconDX", 0)
        .Integer("IconDY", 0)
        .Integer("Bevel", 0)
        .Integer("HasMenu", 0)
        .Boolean("HasBackColor", false)
        .Colour("BackColor", kBlack)
        .Colour("TextColor", kBlack)
        .Boolean("Value", false)
        .Integer("MenuValue", 0)
        .Integer("ButtonType", 0)
        .Boolean("AcceptFocus", false);
    SystemFont(set);
    return set.Bytes();
}

std::string TextField1Record() {
    PropertySet set = Placed("TextField1", 0, 480, 640, 100, 0);
    set.Boolean("Border", true)
        .Boolean("Password", false)
        .Boolean("UseFocusRing", true)
        .Colour("TextColor", kBlack)
        .Colour("BackColor", kWhite)
        .Boolean("Enabled", true)
        .String("Format", "")
        .Boolean("Visible", true)
        .String("HelpTag", "")
        .Boolean("AutoDeactivate", true);
    SystemFont(set);
    set.String("CueText", "")
        .String("Text", "")
        .String("Mask", "")
        .Boolean("ReadOnly", true)
        .Integer("LimitText", 0)
        .Boolean("AcceptTabs", true)
        .Integer("Alignment", 0)
        .Boolean("AutomaticallyCheckSpelling", false)
        .String("DataSource", "")
        .String("DataField", "");
    return set.Bytes();
}

std::string REALCanvasRecord() {
    PropertySet set = Placed("REALCanvas", 0, 0, 640, 480, 1);
    set.Boolean("Visible", true)
        .String("HelpTag", "")
        .Boolean("AutoDeactivate", false)
        .Boolean("Enabled", true)
        .Boolean("UseFocusRing", true)
        .Boolean("AcceptFocus", false)
        .Boolean("AcceptTabs", false)
        .Boolean("DoubleBuffer", false)
        .Boolean("EraseBackground", true)
        .Boolean("Transparent", true)
        .String("InitialParent", "");
    return set.Bytes();
}

std::string WindowRecord() {
    PropertySet set;
    set.Integer("Width", 640)
        .Integer("Height", 720)
        .Integer("MinWidth", 64)
        .Integer("MinHeight", 64)
        .Integer("MaxWidth", 640)
        .Integer("MaxHeight", 720)
        .Integer("Frame", 0)
        .String("Title", kTitle)
        .Boolean("CloseButton", true)
        .Boolean("Resizeable", true)
        .Boolean("MaximizeButton", false)
        .Boolean("MinimizeButton", true)
        .Boolean("FullScreenButton", false)
        .Boolean("Composite", false)
        .Integer("MacProcID", 0)
        .Integer("Placement", 0)
        .Boolean("Visible", true)
        .Boolean("LiveResize", true)
        .Boolean("FullScreen", false)
        .Boolean("HasBackColor", true)
        .Colour("BackColor", kWhite)
        .Boolean("MenuBarVisible", true);
    return set.Bytes();
}

std::string ControlRecord(std::string_view name) {
    for (const ButtonPlace& button : kButtons)
        if (name == button.name) return ButtonRecord(button);
    if (name == "TextField1") return TextField1Record();
    if (name == "REALCanvas") return REALCanvasRecord();
    return {};
}

void MainWindow::CreateControls() {
    _CreateControls0();
}

void MainWindow::_CreateControls0() {
    auto self = std::static_pointer_cast<MainWindow>(shared_from_this());
    for (const ControlRow& row : kControls) {
        const ClassRecord& record = row.record();
        {
            auto control = __New(record);
            control->Constructor();
            _AddControl(row.name, std::move(control));
        }
        // The first picture goes on before the canvas's own record, which has no backdrop.
        if (row.record == Canvas::Record)
            RuntimeCheckCast<Canvas>(_ControlByName(row.name), record)->Backdrop(FIRST());
        _SetProperties(*RuntimeCheckCast<RectControl>(_ControlByName(row.name), record),
                       ControlRecord(row.name));
        RuntimeAddEventHandler(RuntimeCheckCast<RectControl>(_ControlByName(row.name), record),
                               row.event, row.bind(self));
    }
}

void MainWindow::Layout() {
    MenuBar(MenuBar1_MenuBar1());
    _SetProperties(*this, WindowRecord());
}
