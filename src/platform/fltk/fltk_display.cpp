#include "platform/fltk/fltk_display.h"

#include <FL/x.H>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/fltk/fltk_program.h"

namespace {

bool open = false;

bool isSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

void explain(const std::string& reason) {
  const WindowProgram& program = windowProgram();
  std::fprintf(stderr, "%s: %s; %s\n", program.name, reason.c_str(), program.withoutDisplay);
  std::fflush(stderr);
}

}  // namespace

// Opened here rather than by FLTK, which would end the process on a display
// it cannot reach instead of letting the dialog fail.
bool openDisplay(bool sayWhyNot) {
  if (open) return true;
  if (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
    if (sayWhyNot) explain("no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)");
    return false;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    const char* name = std::getenv("DISPLAY");
    if (sayWhyNot) explain(std::string("cannot open the X display \"") + (name != nullptr ? name : "") + "\"");
    return false;
  }
  fl_open_display(display);
  open = true;
  return true;
}

bool displayOpen() { return open; }
