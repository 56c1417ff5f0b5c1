// Starting the game the way the real start-up does (all but the event loop), and playing
// it the way a player does: clicking the real buttons, reading the real field and canvas.
#pragma once

#include "ui/main_window.h"

#include <memory>
#include <string>

namespace game_test {

// Runtime, initialisers, exception helper, early start-up with the App object and its
// menu bar, the framework's initialisation opening MainWindow. The loop is not run.
std::shared_ptr<MainWindow> StartGame();

// A mouse click on the named control's widget.
void Click(MainWindow& window, const char* control);
void PressOK(MainWindow& window, int times = 1);
// Clicks A, B, C or D.
void Answer(MainWindow& window, char letter);

std::string FieldText(MainWindow& window);
// What the canvas painted, as the player sees it in the window: the name of the picture
// file of the build it shows, "blank" for the window's white alone, or, for anything else,
// a description that names no file.
std::string Painted(MainWindow& window);
// The same reading of the canvas drawn afresh off screen, which leaves the window as it was:
// for many reads, where the window's own repaints would cost too much.
std::string PaintedOffScreen(MainWindow& window);

// Types text into the field as the desktop's input method does: composed (shown, pending),
// then committed.
void Compose(MainWindow& window, const std::string& text);
void Commit(MainWindow& window, const std::string& text);
void TypeCommitted(MainWindow& window, const std::string& text);
// Replaces the field's whole content with what the player typed.
void ReplaceByTyping(MainWindow& window, const std::string& text);

// The field's text on one line, its line breaks shown as "⏎".
std::string FieldLine(MainWindow& window);
// The screen as a line of a transcript: "picture | text", the picture as Painted reads it.
std::string Shown(MainWindow& window);
// One press of OK, and what the screen shows after it.
std::string Press(MainWindow& window);

} // namespace game_test
