// Window over a QMainWindow: a menu bar and a content area holding controls at absolute
// positions, locked to the left and top.
#include "framework/window.h"

#include "framework/controls.h"
#include "framework/internal.h"
#include "framework/menus.h"
#include "framework/qt_bridge.h"
#include "framework/testing.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>

#include <algorithm>

namespace {

std::vector<std::shared_ptr<Window>>& OpenWindows() {
    static std::vector<std::shared_ptr<Window>> windows;
    return windows;
}

class TopLevelWidget : public QMainWindow {
  public:
    bool closed = false;

  protected:
    void closeEvent(QCloseEvent* event) override {
        // The application handles no close event: the window just goes, and with the last
        // window gone the toolkit ends the loop with 0.
        closed = true;
        event->accept();
    }
};

using fw::BooleanOf;
using fw::IntegerOf;

} // namespace

struct Window::Impl {
    Impl() : top(new TopLevelWidget), content(new QWidget) {
        top->setCentralWidget(content);
        top->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    ~Impl() { delete top; }

    // Sizes belong to the content area; the menu bar sits above it inside the window.
    void ApplySize() {
        int bar = top->menuWidget() && top->menuWidget()->isVisibleTo(top)
                      ? top->menuWidget()->sizeHint().height()
                      : 0;
        content->setMinimumSize(minWidth, minHeight);
        content->setMaximumSize(maxWidth, maxHeight);
        top->setMinimumSize(minWidth, minHeight + bar);
        top->setMaximumSize(maxWidth, maxHeight + bar);
        top->resize(width, height + bar);
    }

    // The window manager's buttons; the title and the system menu always stay.
    void ApplyButtons() {
        Qt::WindowFlags flags =
            Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
        if (buttons[kClose]) flags |= Qt::WindowCloseButtonHint;
        if (buttons[kMinimize]) flags |= Qt::WindowMinimizeButtonHint;
        if (buttons[kMaximize]) flags |= Qt::WindowMaximizeButtonHint;
        if (buttons[kFullScreen]) flags |= Qt::WindowFullscreenButtonHint;
        if (flags == top->windowFlags()) return;
        // New flags hide a shown window.
        bool shown = top->isVisible();
        top->setWindowFlags(flags);
        if (shown) top->show();
    }

    enum Button { kClose, kMinimize, kMaximize, kFullScreen };
    TopLevelWidget* top;
    QWidget* content;
    int width = 640, height = 480, minWidth = 64, minHeight = 64;
    int maxWidth = 32000, maxHeight = 32000;
    bool buttons[4] = {true, true, true, true};
    bool visible = true, constructing = false;
};

Window::Window() = default;

Window::~Window() {
    // Controls let go of their widgets while the window's widgets still exist.
    for (auto& [name, control] : controls_)
        if (control) control->ReleaseWidget();
    controls_.clear();
    for (auto& control : forgotten_)
        control->ReleaseWidget();
}

const ClassRecord& Window::Record() {
    using P = PropertyValue;
    static const ClassRecord& record = RuntimeRegisterClass(
        {"Window",
         nullptr,
         {"AcceptFileDrop",
          "AcceptMacDataDrop",
          "AcceptPictureDrop",
          "AcceptRawDataDrop",
          "AcceptTextDrop",
          "BitmapForCaching",
          "Close",
          "Constructor",
          "Control",
          "DrawInto",
          "FocusNext",
          "FocusPrevious",
          "Hide",
          "Invalidate",
          "Invalidate",
          "Maximize",
          "Minimize",
          "Operator_Convert",
          "Refresh",
          "RefreshRect",
          "Restore",
          "SetFocus",
          "Show",
          "ShowModal",
          "ShowModalWithin",
          "ShowWithin",
          "TrueWindow",
          "UpdateNow",
          "Window",
          "_AddControl",
          "_AddMenuHandler",
          "_ControlByName",
          "_ControlByNameIndex",
          "_DependencyList",
          "_Move",
          "__New"},
         {
             {"Width", PropertyType::Integer,
              [](Object& o, const P& v) { static_cast<Window&>(o).SetSize(0, IntegerOf(v)); }},
             {"Height", PropertyType::Integer,
              [](Object& o, const P& v) { static_cast<Window&>(o).SetSize(1, IntegerOf(v)); }},
             {"MinWidth", PropertyType::Integer,
              [](Object& o, const P& v) { static_cast<Window&>(o).SetSize(2, IntegerOf(v)); }},
             {"MinHeight", PropertyType::Integer,
              [](Object& o, const P& v) { static_cast<Window&>(o).SetSize(3, IntegerOf(v)); }},
             {"MaxWidth", PropertyType::Integer,
              [](Object& o, const P& v) { static_cast<Window&>(o).SetSize(4, IntegerOf(v)); }},
             {"MaxHeight", PropertyType::Integer,
              [](Object& o, const P& v) { static_cast<Window&>(o).SetSize(5, IntegerOf(v)); }},
             {"Frame", PropertyType::Integer},
             {"Title", PropertyType::String,
              [](Object& o, const P& v) {
                  Window::Built(o).top->setWindowTitle(
                      QString::fromStdString(std::get<std::string>(v)));
              }},
             {"CloseButton", PropertyType::Boolean,
              [](Object& o, const P& v) { SetButton(o, Impl::kClose, v); }},
             {"Resizeable", PropertyType::Boolean,
              [](Object& o, const P& v) {
                  Impl& w = Window::Built(o);
                  if (!BooleanOf(v)) w.minWidth = w.maxWidth = w.width;
                  if (!BooleanOf(v)) w.minHeight = w.maxHeight = w.height;
                  w.ApplySize();
              }},
             {"MaximizeButton", PropertyType::Boolean,
              [](Object& o, const P& v) { SetButton(o, Impl::kMaximize, v); }},
             {"MinimizeButton", PropertyType::Boolean,
              [](Object& o, const P& v) { SetButton(o, Impl::kMinimize, v); }},
             {"FullScreenButton", PropertyType::Boolean,
              [](Object& o, const P& v) { SetButton(o, Impl::kFullScreen, v); }},
             {"Composite", PropertyType::Boolean},
             {"MacProcId", PropertyType::Integer},
             {"Placement", PropertyType::Integer},
             {"Visible", PropertyType::Boolean,
              [](Object& o, const P& v) { static_cast<Window&>(o).SetVisible(BooleanOf(v)); }},
             {"LiveResize", PropertyType::Boolean},
             {"FullScreen", PropertyType::Boolean,
              [](Object& o, const P& v) {
                  QWidget* top = Window::Built(o).top;
                  top->setWindowState(
                      top->windowState().setFlag(Qt::WindowFullScreen, BooleanOf(v)));
              }},
             {"HasBackColor", PropertyType::Boolean,
              [](Object& o, const P& v) {
                  Window::Built(o).content->setAutoFillBackground(BooleanOf(v));
              }},
             {"BackColor", PropertyType::Color,
              [](Object& o, const P& v) {
                  Color c = std::get<Color>(v);
                  QWidget* content = Window::Built(o).content;
                  QPalette palette = content->palette();
                  palette.setColor(QPalette::Window, QColor(c.red, c.green, c.blue));
                  content->setPalette(palette);
              }},
             {"MenuBarVisible", PropertyType::Boolean,
              [](Object& o, const P& v) {
                  Impl& w = Window::Built(o);
                  if (QWidget* bar = w.top->menuWidget()) bar->setVisible(BooleanOf(v));
                  w.ApplySize();
              }},
         },
         [] { return std::make_shared<Window>(); }});
    return record;
}

void Window::SetButton(Object& window, int which, const PropertyValue& on) {
    fw::CheckMainThread("Window.Buttons");
    Impl& w = Built(window);
    w.buttons[which] = BooleanOf(on);
    w.ApplyButtons();
}

Window::Impl& Window::Built(Object& window) {
    auto& self = static_cast<Window&>(window);
    if (!self.d) throw NilObjectException("the window has not been constructed");
    return *self.d;
}

void Window::SetSize(int which, std::int64_t value) {
    fw::CheckMainThread("Window.Size");
    Built(*this);
    int v = int(std::clamp<std::int64_t>(value, 0, 32000));
    int* fields[] = {&d->width,     &d->height,   &d->minWidth,
                     &d->minHeight, &d->maxWidth, &d->maxHeight};
    *fields[which] = v;
    d->ApplySize();
}

void Window::SetVisible(bool visible) {
    fw::CheckMainThread("Window.Visible");
    Built(*this);
    d->visible = visible;
    // While constructing, showing waits until the controls have opened.
    if (!d->constructing) d->top->setVisible(visible);
}

void Window::Constructor() {
    fw::CheckMainThread("Window.Constructor");
    fw::Probe("Window.Constructor");
    d = std::make_unique<Impl>();
    d->constructing = true;
    fw::Probe("Window.CreateControls");
    CreateControls();
    fw::Probe("Window.Layout");
    Layout();
    d->constructing = false;

    // Tab order follows each control's TabIndex, not the order of making.
    std::vector<std::pair<std::int64_t, QWidget*>> order;
    for (auto& [name, control] : controls_) {
        const PropertyValue* index = control->StoredProperty("TabIndex");
        if (control->Widget() && index) order.emplace_back(IntegerOf(*index), control->Widget());
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t k = 1; k < order.size(); ++k)
        QWidget::setTabOrder(order[k - 1].second, order[k].second);
    // The first control in tab order has the focus when the window opens, so the Edit
    // menu and the keyboard have something to act on from the start.
    for (auto& [index, widget] : order)
        if (widget->focusPolicy() & Qt::TabFocus) {
            widget->setFocus();
            break;
        }

    OpenWindows().push_back(std::static_pointer_cast<Window>(shared_from_this()));
    // Open comes only now, after CreateControls has bound every handler.
    auto controls = controls_;
    for (auto& [name, control] : controls)
        control->RaiseEvent(kEventOpen, "Open");
    d->ApplySize();
    if (d->visible) d->top->show();
}

std::shared_ptr<RectControl> Window::__New(const ClassRecord& controlClass) {
    fw::Probe("Window.__New");
    auto control = RuntimeCheckCast<RectControl>(RuntimeNewObject(controlClass), controlClass);
    if (!control) throw NilObjectException("no control of class " + controlClass.name);
    control->SetOwner(std::static_pointer_cast<Window>(shared_from_this()));
    return control;
}

void Window::_AddControl(const std::string& name, std::shared_ptr<RectControl> control) {
    fw::CheckMainThread("Window._AddControl");
    fw::Probe("Window._AddControl");
    if (!control) throw NilObjectException("control " + name + " is nil");
    control->SetName(name);
    controls_.emplace_back(name, std::move(control));
}

std::shared_ptr<RectControl> Window::_ControlByName(std::string_view name) const {
    fw::Probe("Window._ControlByName");
    for (const auto& [key, control] : controls_)
        if (key == name) return control;
    return nullptr;
}

void Window::_ForgetControl(std::string_view name) {
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [&](const auto& entry) { return entry.first == name; });
    if (it == controls_.end()) return;
    forgotten_.push_back(it->second);
    controls_.erase(it);
}

void Window::MenuBar(std::shared_ptr<::MenuBar> bar) {
    fw::CheckMainThread("Window.MenuBar");
    fw::Probe("Window.MenuBar");
    menuBar_ = std::move(bar);
    if (!d) return;
    if (menuBar_) {
        auto* qbar = new QMenuBar;
        // The menus belong to this window, never to a desktop-wide bar.
        qbar->setNativeMenuBar(false);
        menuBar_->Attach(qbar);
        d->top->setMenuBar(qbar);
    } else if (QWidget* old = d->top->menuWidget()) {
        d->top->setMenuWidget(nullptr);
        old->deleteLater();
    }
    d->ApplySize();
}

std::shared_ptr<::MenuBar> Window::MenuBar() const {
    fw::CheckMainThread("Window.MenuBar");
    return menuBar_;
}

void Window::Close() {
    fw::CheckMainThread("Window.Close");
    if (d) d->top->close();
}

bool Window::IsOpen() const {
    return d && !d->top->closed;
}

QWidget* Window::TopLevel() const {
    return d ? d->top : nullptr;
}
QWidget* Window::Content() const {
    return d ? d->content : nullptr;
}

std::shared_ptr<Window> _GetImplicitWindow(std::string_view className) {
    fw::Probe("_GetImplicitWindow");
    for (const auto& window : OpenWindows())
        if (window->IsOpen() && window->Class() && window->Class()->name == className)
            return window;
    return nullptr;
}

namespace fw {
QMenu* EditMenuOf(QWidget* top) {
    for (const auto& window : OpenWindows())
        if (window->TopLevel() == top && window->MenuBar()) return window->MenuBar()->EditMenu();
    return nullptr;
}

void CloseAllWindows() {
    auto windows = std::move(OpenWindows());
    OpenWindows().clear();
    windows.clear();
}
} // namespace fw

namespace fw::testing {
void ForgetControl(Window& window, std::string_view name) {
    window._ForgetControl(name);
}
} // namespace fw::testing
