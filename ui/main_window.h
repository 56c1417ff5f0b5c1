// MainWindow: the game's one window. Its two fields i and abcd are the whole state of the
// story; its getters find each control and menu item by name at every call.
#pragma once

#include "framework/controls.h"
#include "framework/menus.h"
#include "framework/window.h"

#include <cstdint>
#include <memory>
#include <string>

class MainWindow : public Window {
  public:
    static const ClassRecord& __Lookup();
    static void __ctblinit();
    ~MainWindow() override;
    void __Exit();

    // Window events.
    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();

    // Controls, or nil when the window holds no control of that name.
    std::shared_ptr<BevelButton> OKButton();
    std::shared_ptr<BevelButton> NoBtutton();
    std::shared_ptr<BevelButton> AButton();
    std::shared_ptr<BevelButton> BButton();
    std::shared_ptr<BevelButton> DButton();
    std::shared_ptr<BevelButton> CButton();
    std::shared_ptr<BevelButton> ResetButton();
    std::shared_ptr<TextField> TextField1();
    std::shared_ptr<Canvas> REALCanvas();

    // Control events: the story's buttons and the title screen.
    void OKButton_Action(const std::shared_ptr<BevelButton>& sender);
    void NoBtutton_Action(const std::shared_ptr<BevelButton>& sender);
    void AButton_Action(const std::shared_ptr<BevelButton>& sender);
    void BButton_Action(const std::shared_ptr<BevelButton>& sender);
    void DButton_Action(const std::shared_ptr<BevelButton>& sender);
    void CButton_Action(const std::shared_ptr<BevelButton>& sender);
    void ResetButton_Action(const std::shared_ptr<BevelButton>& sender);
    void TextField1_Open(const std::shared_ptr<TextField>& sender);
    void REALCanvas_Open(const std::shared_ptr<Canvas>& sender);

    // Menu items of the window's menu bar, or nil.
    std::shared_ptr<MenuItem> EditMenu();
    std::shared_ptr<MenuItem> EditSelectAll();
    std::shared_ptr<MenuItem> UntitledMenu0();
    std::shared_ptr<MenuItem> EditClear();
    std::shared_ptr<MenuItem> EditPaste();
    std::shared_ptr<MenuItem> EditCopy();
    std::shared_ptr<MenuItem> EditCut();
    std::shared_ptr<MenuItem> UntitledMenu1();
    std::shared_ptr<MenuItem> EditUndo();
    std::shared_ptr<MenuItem> FileMenu();
    std::shared_ptr<QuitMenuItem> FileQuit();

    // Properties, in declared order. Only abcd and i are used: the last choice (0-3 for
    // A-D) and the step counter.
    std::int64_t abcd = 0;
    std::string job;
    std::int64_t i = 0;
    std::int64_t yesno = 0, HP = 0, MP = 0, Lv = 0, EHP = 0, ELv = 0, mykougeki = 0,
                 mykyokogeki = 0, mymagic = 0, EMP = 0;

  private:
    template <class T>
    std::shared_ptr<T> Control(const char* name);
    template <class T>
    std::shared_ptr<T> Item(const char* name);
};

// The one window: the open one, or a new one, constructed now.
std::shared_ptr<MainWindow> MainWindow_MainWindow();
