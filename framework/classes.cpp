// The framework's own classes, registered first at start-up.
#include "framework/application.h"
#include "framework/controls.h"
#include "framework/internal.h"
#include "framework/menus.h"
#include "framework/picture.h"
#include "framework/window.h"

namespace fw {
void RegisterFrameworkClasses() {
    for (const char* exception :
         {"RuntimeException", "NilObjectException", "ThreadAccessingUIException",
          "IllegalCastException", "PropertySetException"})
        RuntimeRegisterClass({exception, nullptr, {}, {}, nullptr});
    Application::Record();
    Window::Record();
    BevelButton::Record();
    TextField::Record();
    Canvas::Record();
    MenuBar::Record();
    QuitMenuItem::Record();
    Picture::Record();
}
} // namespace fw
