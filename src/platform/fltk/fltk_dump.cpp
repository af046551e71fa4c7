// The dump is written from the widgets themselves (the lines a list widget
// holds, the text an input holds, which widget has FLTK's focus), so that a
// test sees what the user sees, not what the models hold. One record a line,
// fields separated by tabs, text last (a result row keeps its own tab):
//   window X Y W H CAPTION        units BASE-X BASE-Y      focus ID
//   field ID X Y W H SCROLLED TEXT
//   label ID X Y W H TEXT
//   list ID X Y W H SELECTED HSCROLLBAR LINES LINE-HEIGHT, then one "line ID TEXT" each
#include "platform/fltk/fltk_dump.h"

#include <FL/Fl.H>
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/win32/cp1252.h"
#include "platform/fltk/fltk_fonts.h"

namespace {

int wakeUpPipe[2] = {-1, -1};
bool requested = false;

void onSignal(int) {
  char byte = 1;
  // Nothing to do about a full pipe: a request is pending anyway.
  [[maybe_unused]] ssize_t written = write(wakeUpPipe[1], &byte, 1);
}

void onWakeUp(int fd, void*) {
  char bytes[64];
  while (read(fd, bytes, sizeof bytes) > 0) {
  }
  requested = true;
}

std::string geometry(const Fl_Widget& widget) {
  return std::to_string(widget.x()) + "\t" + std::to_string(widget.y()) + "\t" +
         std::to_string(widget.w()) + "\t" + std::to_string(widget.h());
}

std::string record(const Fl_Widget& widget) {
  if (auto* field = dynamic_cast<const FieldWidget*>(&widget)) {
    return "field\t" + std::to_string(windowId(field->edit)) + "\t" + geometry(widget) + "\t" +
           std::to_string(field->scrolledPixels()) + "\t" + field->value() + "\n";
  }
  if (auto* label = dynamic_cast<const LabelWidget*>(&widget)) {
    // The label draws its model's text as it stands.
    return "label\t" + std::to_string(windowId(label->label)) + "\t" + geometry(widget) + "\t" +
           cp1252ToUtf8(windowText(label->label)) + "\n";
  }
  auto* list = dynamic_cast<const ListWidget*>(&widget);
  if (list == nullptr) return "";
  int id = windowId(list->list);
  std::string text = "list\t" + std::to_string(id) + "\t" + geometry(widget) + "\t" +
                     std::to_string(list->value() - 1) + "\t" +
                     (list->hscrollbar.visible() ? "1" : "0") + "\t" +
                     std::to_string(list->size()) + "\t" + std::to_string(list->lineHeight()) + "\n";
  for (int line = 1; line <= list->size(); ++line) {
    text += "line\t" + std::to_string(id) + "\t" + list->text(line) + "\n";
  }
  return text;
}

}  // namespace

void listenForDumpRequests() {
  if (std::getenv("WINDOW_LAYER_DUMP") == nullptr || wakeUpPipe[0] >= 0) return;
  if (pipe(wakeUpPipe) != 0) return;
  fcntl(wakeUpPipe[0], F_SETFL, O_NONBLOCK);
  fcntl(wakeUpPipe[1], F_SETFL, O_NONBLOCK);
  Fl::add_fd(wakeUpPipe[0], FL_READ, onWakeUp);
  std::signal(SIGUSR1, onSignal);
}

bool dumpRequested() {
  bool was = requested;
  requested = false;
  return was;
}

void writeWidgetDump(DialogWidget& window) {
  const char* path = std::getenv("WINDOW_LAYER_DUMP");
  if (path == nullptr) return;
  SIZE units = dialogFontBaseUnits();
  std::string text = "window\t" + geometry(window) + "\t" + (window.label() ? window.label() : "") + "\n";
  text += "units\t" + std::to_string(units.cx) + "\t" + std::to_string(units.cy) + "\n";
  int focusId = 0;
  for (int i = 0; i < window.children(); ++i) {
    const Fl_Widget& child = *window.child(i);
    if (Fl::focus() == &child) {
      if (auto* field = dynamic_cast<const FieldWidget*>(&child)) focusId = windowId(field->edit);
      if (auto* list = dynamic_cast<const ListWidget*>(&child)) focusId = windowId(list->list);
    }
    text += record(child);
  }
  text += "focus\t" + std::to_string(focusId) + "\n";
  std::string partial = std::string(path) + ".part";
  std::FILE* file = std::fopen(partial.c_str(), "wb");
  if (file == nullptr) return;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  std::rename(partial.c_str(), path);
}
