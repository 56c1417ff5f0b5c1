// The title screen: the title with its version over the prompt, under the first picture.
#include "framework/strings.h"
#include "ui/main_window.h"

void MainWindow::TextField1_Open(const std::shared_ptr<TextField>& sender) {
    TextField& field = Required(sender, "TextField1");
    std::string lineBreak = Chr(13);
    std::string title = RuntimeAddString("ホロミナ2.0", lineBreak);
    field.Text(RuntimeAddString(title, "PRESS OK BUTTON"));
}

// The canvas shows its backdrop, FIRST; there is nothing to draw.
void MainWindow::REALCanvas_Open(const std::shared_ptr<Canvas>&) {}
