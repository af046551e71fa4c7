// What the window says of the program that runs on it, which only the
// program knows: its entry gives it before the first dialog.
#pragma once

struct WindowProgram {
  // The name the window manager knows the window by: its X class, as a
  // resource name and, capitalised, as a class name.
  const char* name;
  // How to run the program without a window, said after the reason when no
  // display can be opened, in one line: "NAME: REASON; WITHOUT-DISPLAY".
  const char* withoutDisplay;
};

// The record is kept, not copied: its texts must live as long as the program.
void introduceWindowProgram(const WindowProgram& program);
const WindowProgram& windowProgram();
