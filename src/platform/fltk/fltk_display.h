// The X display the window opens on.
#pragma once

// True once the display is open. Otherwise, when asked to, says in one line
// on standard error why the window cannot open and how to run the program
// without one (fltk_program.h).
bool openDisplay(bool sayWhyNot = true);
bool displayOpen();
