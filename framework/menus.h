// Menus: items with captions and shortcuts, the built-in quit item and Edit actions.
#pragma once

#include "framework/runtime.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

class MenuItem : public Object {
  public:
    static const ClassRecord& Record();
    MenuItem();
    ~MenuItem() override;
    virtual void Constructor();

    void Name(std::string name);
    const std::string& Name() const { return name_; }
    void Text(std::string text);
    const std::string& Text() const { return text_; }
    // "Cmd+Q" and the like; "Cmd" is the platform's command key, Ctrl here.
    void KeyboardShortcut(std::string shortcut);
    const std::optional<std::string>& KeyboardShortcut() const { return shortcut_; }
    void AutoEnable(bool on);
    bool AutoEnable() const { return autoEnable_; }
    void Visible(bool on);
    bool Visible() const { return visible_; }

    void Append(std::shared_ptr<MenuItem> child);
    int Count() const { return int(children_.size()); }
    std::shared_ptr<MenuItem> Item(int index) const;
    // The direct child of that name, or nil.
    std::shared_ptr<MenuItem> Child(std::string_view name) const;
    // The item of that name anywhere below, or nil.
    std::shared_ptr<MenuItem> _Lookup(std::string_view name) const;

    // What choosing the item does; the framework's built-in actions live here.
    virtual void Choose();
    bool Enabled() const;
    // Sets the enabled state of each auto-enabled item below from what it can do now.
    void UpdateEnabling();

    QAction* Action() const { return action_.get(); }
    // Deletes the toolkit's action and menu of this item; shut-down only.
    void ReleaseToolkit();

  private:
    friend class MenuBar;
    void Refresh();
    std::string name_, text_;
    std::optional<std::string> shortcut_;
    bool autoEnable_ = false, visible_ = true;
    std::vector<std::shared_ptr<MenuItem>> children_;
    std::unique_ptr<QAction> action_;
    std::unique_ptr<QMenu> menu_;
};

class QuitMenuItem : public MenuItem {
  public:
    static const ClassRecord& Record();
    void Choose() override;
};

class MenuBar : public MenuItem {
  public:
    static const ClassRecord& Record();
    // Fills a window's toolkit menu bar with this bar's menus.
    void Attach(QMenuBar* bar);
    // The toolkit menu of the first menu that holds Edit items, or null.
    QMenu* EditMenu() const;
};
