// The six other buttons: A-D record the answer, Reset starts the count over, Quit ends.
#include "framework/application.h"
#include "ui/main_window.h"

void MainWindow::AButton_Action(const std::shared_ptr<BevelButton>&) {
    abcd = 0;
}
void MainWindow::BButton_Action(const std::shared_ptr<BevelButton>&) {
    abcd = 1;
}
void MainWindow::CButton_Action(const std::shared_ptr<BevelButton>&) {
    abcd = 2;
}
void MainWindow::DButton_Action(const std::shared_ptr<BevelButton>&) {
    abcd = 3;
}

// -1 has no block: the next press shows nothing and the one after it starts the story.
void MainWindow::ResetButton_Action(const std::shared_ptr<BevelButton>&) {
    i = -1;
}

void MainWindow::NoBtutton_Action(const std::shared_ptr<BevelButton>&) {
    Quit(0);
}
