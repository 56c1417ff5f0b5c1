// A window: controls made, added and found by name, its construction events, its menu bar.
#pragma once

#include "framework/runtime.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class RectControl;
class MenuBar;
class QWidget;

class Window : public Object {
  public:
    static const ClassRecord& Record();
    Window();
    ~Window() override;

    // Builds the window: raises CreateControls and Layout, then each control's Open, then
    // shows it. From then on the framework keeps it open under its class name.
    virtual void Constructor();
    virtual void CreateControls() {}
    virtual void Layout() {}

    std::shared_ptr<RectControl> __New(const ClassRecord& controlClass);
    void _AddControl(const std::string& name, std::shared_ptr<RectControl> control);
    std::shared_ptr<RectControl> _ControlByName(std::string_view name) const;
    void _ForgetControl(std::string_view name);

    void MenuBar(std::shared_ptr<::MenuBar> bar);
    std::shared_ptr<::MenuBar> MenuBar() const;
    void Close();
    bool IsOpen() const;

    // The toolkit's widgets: framework and tests only.
    QWidget* TopLevel() const;
    QWidget* Content() const;

    struct Impl;

  private:
    // The window's toolkit parts; NilObjectException before Constructor has made them.
    static Impl& Built(Object& window);
    static void SetButton(Object& window, int which, const PropertyValue& on);
    void SetSize(int which, std::int64_t value);
    void SetVisible(bool visible);
    std::unique_ptr<Impl> d;
    std::vector<std::pair<std::string, std::shared_ptr<RectControl>>> controls_;
    std::vector<std::shared_ptr<RectControl>> forgotten_;
    std::shared_ptr<::MenuBar> menuBar_;
};

// The open window kept under that class name, or nil.
std::shared_ptr<Window> _GetImplicitWindow(std::string_view className);
