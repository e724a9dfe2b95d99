#pragma once

// Failures the user must see. Every report is written to stderr; it is also
// shown in a message box unless boxes are turned off, which every automated
// run does (a box under a virtual display blocks forever). Boxes start off
// when the environment variable QUASARINE_NO_BOXES is set to anything but "0",
// and the program's --no-boxes flag turns them off too.

enum class BoxIcon { Exclamation, Information, Error };

void setMessageBoxesEnabled(bool enabled);
bool messageBoxesEnabled();

// Writes "caption: text" to stderr, then shows the box (when enabled) and
// waits for the user to close it.
void showMessage(const char* text, const char* caption, BoxIcon icon);
