// Menus over QAction and QMenu, with the built-in quit and Edit actions.
#include "framework/menus.h"

#include "framework/application.h"
#include "framework/qt_bridge.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

// The Edit items act on the focused text field; which action is theirs is told by name.
enum class EditAction { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

EditAction EditActionOf(std::string_view name) {
    if (name == "EditUndo") return EditAction::Undo;
    if (name == "EditCut") return EditAction::Cut;
    if (name == "EditCopy") return EditAction::Copy;
    if (name == "EditPaste") return EditAction::Paste;
    if (name == "EditClear") return EditAction::Clear;
    if (name == "EditSelectAll") return EditAction::SelectAll;
    return EditAction::None;
}

bool CanDo(EditAction action) {
    fw::FieldWidget* field = fw::FocusedField();
    if (!field) return action == EditAction::None;
    bool editable = !field->isReadOnly();
    bool selection = field->textCursor().hasSelection();
    // A composition the field shows counts as its text: choosing the item puts it in first.
    bool composing = field->Composing();
    switch (action) {
    case EditAction::None:
        return true;
    case EditAction::Undo:
        return editable && (composing || field->document()->isUndoAvailable());
    case EditAction::Cut:
    case EditAction::Clear:
        return editable && selection;
    case EditAction::Copy:
        return selection;
    case EditAction::Paste:
        return editable && QApplication::clipboard() &&
               !QApplication::clipboard()->text().isEmpty();
    case EditAction::SelectAll:
        return composing || !field->document()->isEmpty();
    }
    return false;
}

void Do(EditAction action) {
    fw::FieldWidget* field = fw::FocusedField();
    if (!field || !CanDo(action)) return;
    field->CommitPendingInput(); // the command acts on the text as shown
    switch (action) {
    case EditAction::None:
        break;
    case EditAction::Undo:
        field->undo();
        break;
    case EditAction::Cut:
        field->cut();
        break;
    case EditAction::Copy:
        field->copy();
        break;
    case EditAction::Paste:
        field->paste();
        field->ensureCursorVisible(); // as the paste key does
        break;
    case EditAction::Clear:
        field->textCursor().removeSelectedText();
        break;
    case EditAction::SelectAll:
        field->selectAll();
        break;
    }
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "Cmd" is the command key of the platform the game was first made for: Ctrl here.
QKeySequence ShortcutOf(const std::string& text) {
    QString keys = FromUtf8(text);
    keys.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
    return QKeySequence(keys);
}

} // namespace

const ClassRecord& MenuItem::Record() {
    static const ClassRecord& record =
        RuntimeRegisterClass({"MenuItem",
                              nullptr,
                              {"Append",      "Child",           "Clone",
                               "Close",       "Constructor",     "Constructor",
                               "Constructor", "Count",           "Enable",
                               "Handle",      "Insert",          "Item",
                               "MenuItem",    "MenuItem",        "PopUp",
                               "PopUp",       "Remove",          "Remove",
                               "Remove",      "_DependencyList", "_DisableEntirely",
                               "_Lookup",     "_Lookup",         "_SelfEnable",
                               "_Swap",       "_InstallClone"},
                              {},
                              [] { return std::make_shared<MenuItem>(); }});
    return record;
}

const ClassRecord& QuitMenuItem::Record() {
    static const ClassRecord& record = RuntimeRegisterClass(
        {"QuitMenuItem", &MenuItem::Record(), MenuItem::Record().operations, {}, [] {
             return std::make_shared<QuitMenuItem>();
         }});
    return record;
}

const ClassRecord& MenuBar::Record() {
    static const ClassRecord& record = RuntimeRegisterClass(
        {"MenuBar", &MenuItem::Record(), MenuItem::Record().operations, {}, [] {
             return std::make_shared<MenuBar>();
         }});
    return record;
}

// Every item alive, so that shut-down can let go of the toolkit's menus while the toolkit
// still stands: a menu once shown owns a native window, which must not outlive it. Never
// freed, as items held in statics leave it after main returns.
static std::vector<MenuItem*>& LiveItems() {
    static auto* items = new std::vector<MenuItem*>;
    return *items;
}

MenuItem::MenuItem() {
    LiveItems().push_back(this);
}

MenuItem::~MenuItem() {
    std::erase(LiveItems(), this);
}

void MenuItem::ReleaseToolkit() {
    menu_.reset();
    action_.reset();
}

namespace fw {
void ReleaseMenus() {
    for (MenuItem* item : LiveItems())
        item->ReleaseToolkit();
}
} // namespace fw

void MenuItem::Constructor() {
    fw::CheckMainThread("MenuItem.Constructor");
    fw::Probe("MenuItem.Constructor");
    action_ = std::make_unique<QAction>();
    QObject::connect(action_.get(), &QAction::triggered,
                     [this] { fw::DispatchEvent(name_ + ".Action", [this] { Choose(); }); });
    Refresh();
}

void MenuItem::Name(std::string name) {
    fw::CheckMainThread("MenuItem.Name");
    fw::Probe("MenuItem.Name");
    name_ = std::move(name);
}

void MenuItem::Text(std::string text) {
    fw::CheckMainThread("MenuItem.Text");
    fw::Probe("MenuItem.Text");
    text_ = std::move(text);
    Refresh();
}

void MenuItem::KeyboardShortcut(std::string shortcut) {
    fw::CheckMainThread("MenuItem.KeyboardShortcut");
    fw::Probe("MenuItem.KeyboardShortcut");
    shortcut_ = std::move(shortcut);
    Refresh();
}

void MenuItem::AutoEnable(bool on) {
    fw::CheckMainThread("MenuItem.AutoEnable");
    fw::Probe("MenuItem.AutoEnable");
    autoEnable_ = on;
}

void MenuItem::Visible(bool on) {
    fw::CheckMainThread("MenuItem.Visible");
    fw::Probe("MenuItem.Visible");
    visible_ = on;
    Refresh();
}

void MenuItem::Refresh() {
    if (!action_) return;
    // A separator is drawn as a line; its "-" is not shown.
    bool separator = text_ == "-";
    action_->setSeparator(separator);
    action_->setText(separator ? QString() : FromUtf8(text_));
    action_->setVisible(visible_);
    action_->setShortcut(shortcut_ ? ShortcutOf(*shortcut_) : QKeySequence());
    if (menu_) {
        menu_->setTitle(FromUtf8(text_));
        menu_->menuAction()->setVisible(visible_);
    }
}

void MenuItem::Append(std::shared_ptr<MenuItem> child) {
    fw::CheckMainThread("MenuItem.Append");
    if (!child) throw NilObjectException("appending a nil menu item");
    fw::Probe("MenuItem.Append");
    children_.push_back(child);
    if (dynamic_cast<::MenuBar*>(this) || !action_) return;
    if (!menu_) {
        menu_ = std::make_unique<QMenu>();
        QObject::connect(menu_.get(), &QMenu::aboutToShow, [this] { UpdateEnabling(); });
        Refresh();
    }
    if (child->action_) menu_->addAction(child->action_.get());
}

std::shared_ptr<MenuItem> MenuItem::Item(int index) const {
    fw::CheckMainThread("MenuItem.Item");
    if (index < 0 || index >= Count()) return nullptr;
    return children_[std::size_t(index)];
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const {
    fw::CheckMainThread("MenuItem.Child");
    fw::Probe("MenuItem.Child");
    for (const auto& child : children_)
        if (child->name_ == name) return child;
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::_Lookup(std::string_view name) const {
    fw::CheckMainThread("MenuItem._Lookup");
    for (const auto& child : children_) {
        if (child->name_ == name) return child;
        if (auto below = child->_Lookup(name)) return below;
    }
    return nullptr;
}

void MenuItem::Choose() {
    Do(EditActionOf(name_));
}

bool MenuItem::Enabled() const {
    return !action_ || action_->isEnabled();
}

void MenuItem::UpdateEnabling() {
    for (const auto& child : children_) {
        if (child->autoEnable_ && child->action_)
            child->action_->setEnabled(CanDo(EditActionOf(child->name_)));
        child->UpdateEnabling();
    }
}

void QuitMenuItem::Choose() {
    Quit(0);
}

void MenuBar::Attach(QMenuBar* bar) {
    for (int k = 0; k < Count(); ++k) {
        auto item = Item(k);
        if (item->menu_)
            bar->addMenu(item->menu_.get());
        else if (item->action_)
            bar->addAction(item->action_.get());
    }
}

QMenu* MenuBar::EditMenu() const {
    for (int k = 0; k < Count(); ++k) {
        auto menu = Item(k);
        for (int j = 0; j < menu->Count(); ++j)
            if (EditActionOf(menu->Item(j)->Name()) != EditAction::None) return menu->menu_.get();
    }
    return nullptr;
}
