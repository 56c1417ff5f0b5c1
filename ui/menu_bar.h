// The one menu bar: File with the quit item, Edit with the standard editing commands.
// The same object is the application's menu bar and the window's.
#pragma once

#include "framework/menus.h"

class MenuBar1 : public MenuBar {
  public:
    static const ClassRecord& __Lookup();
    static void __ctblinit();
    static void _implicitInstance__Init();

    void Constructor() override;
    void Untitled0();
    void Untitled1();
};

// The shared instance, built at its first use; a failed build leaves the holder empty.
std::shared_ptr<MenuBar1> MenuBar1_MenuBar1();
