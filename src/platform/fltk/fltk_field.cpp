// The edit field's widget. FLTK works out what a key or a paste would make
// of the text; the widget takes that back and proposes it to the model
// (userEditsField), which takes it, cuts it to the field's width or refuses
// it. Text is UTF-8 here and cp1252 in the model: a character cp1252 cannot
// hold reaches the model as '?'.
#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cassert>
#include <climits>
#include <cstdlib>

#include "platform/fltk/fltk_fonts.h"
#include "platform/fltk/fltk_widgets.h"

namespace {

// Characters (code points) in the first `bytes` bytes of UTF-8 text.
int charactersIn(const std::string& utf8, int bytes) {
  int count = 0;
  for (int i = 0; i < bytes && i < static_cast<int>(utf8.size()); ++i) {
    if ((static_cast<unsigned char>(utf8[static_cast<std::size_t>(i)]) & 0xC0) != 0x80) ++count;
  }
  return count;
}

// Byte offset of character `index` of UTF-8 text, or its length.
int byteOfCharacter(const std::string& utf8, int index) {
  int seen = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
    if (seen++ == index) return static_cast<int>(i);
  }
  return static_cast<int>(utf8.size());
}

// A Windows edit field has a border and a margin of 2 pixels at each side.
constexpr int textMargin = 2;

}  // namespace

FieldWidget::FieldWidget(HWND editHandle, int x, int y, int width, int height)
    : Fl_Input(x, y, width, height), edit(editHandle) {
  assert(editHandle != nullptr);
  giveControlLook(*this);
  when(FL_WHEN_NEVER);
}

int FieldWidget::handle(int event) {
  if (event == FL_KEYBOARD) noteKeyEvent();
  if (event == FL_KEYBOARD && handleDialogKey(dialogOf(this))) return 1;
  if (rightAligned() && (event == FL_PUSH || event == FL_DRAG)) return handleRightAlignedMouse(event);
  if (event != FL_KEYBOARD && event != FL_PASTE) {
    int used = Fl_Input::handle(event);
    if (event == FL_FOCUS) reportFocus(edit);
    return used;
  }
  std::string before(value(), static_cast<std::size_t>(size()));
  std::string modelBefore = windowText(edit);
  int position0 = position();
  int mark0 = mark();
  int used = Fl_Input::handle(event);
  std::string after(value(), static_cast<std::size_t>(size()));
  // Ctrl+V of our own clipboard pastes inside the key's handling: that
  // paste has been proposed already, and the widget shows its outcome.
  if (after == before || windowText(edit) != modelBefore) return used;
  int cursor = charactersIn(after, position());
  value(before.c_str(), static_cast<int>(before.size()));
  position(position0, mark0);
  FieldEdit edited = userEditsField(edit, after, cursor, event == FL_PASTE ? EditInput::pasting : EditInput::typing);
  // A refused edit leaves the widget as it was, its cursor and selection too.
  if (edited.taken) cursorAfterEdit = edited.caret;
  noteUserAction();
  return 1;
}

void FieldWidget::showText(const std::string& utf8) {
  if (utf8 != std::string(value(), static_cast<std::size_t>(size()))) {
    value(utf8.c_str(), static_cast<int>(utf8.size()));
    // A text set by the program leaves the cursor at its end.
    if (cursorAfterEdit < 0) position(size());
  }
  if (cursorAfterEdit >= 0) position(byteOfCharacter(utf8, cursorAfterEdit));
  cursorAfterEdit = -1;
}

bool FieldWidget::rightAligned() const { return (windowStyle(edit) & ES_RIGHT) != 0; }

int FieldWidget::rightAlignedTextLeft() const {
  fl_font(textfont(), textsize());
  int right = x() + w() - Fl::box_dx(box()) - textMargin;
  return right - static_cast<int>(fl_width(value(), size()) + 0.5);
}

// FLTK draws an input's text from the left only.
void FieldWidget::draw() {
  if (!rightAligned()) {
    Fl_Input::draw();
    return;
  }
  draw_box(box(), color());
  int innerX = x() + Fl::box_dx(box());
  int innerY = y() + Fl::box_dy(box());
  int innerW = w() - Fl::box_dw(box());
  int innerH = h() - Fl::box_dh(box());
  fl_push_clip(innerX, innerY, innerW, innerH);
  int left = rightAlignedTextLeft();
  int baseline = innerY + (innerH - fl_height()) / 2 + fl_height() - fl_descent();
  bool focused = Fl::focus() == this;
  int from = std::min(position(), mark());
  int to = std::max(position(), mark());
  int fromX = left + static_cast<int>(fl_width(value(), from));
  int toX = left + static_cast<int>(fl_width(value(), to));
  fl_color(textcolor());
  fl_draw(value(), size(), left, baseline);
  if (focused && from != to) {
    fl_color(selection_color());
    fl_rectf(fromX, innerY, toX - fromX, innerH);
    fl_color(fl_contrast(textcolor(), selection_color()));
    fl_push_clip(fromX, innerY, toX - fromX, innerH);
    fl_draw(value(), size(), left, baseline);
    fl_pop_clip();
  }
  if (focused && from == to) {
    fl_color(cursor_color());
    fl_line(fromX, innerY + 1, fromX, innerY + innerH - 2);
  }
  fl_pop_clip();
}

// The character boundary nearest the pointer, for right-aligned text.
int FieldWidget::positionAtPointer() const {
  int left = rightAlignedTextLeft();
  const char* text = value();
  int best = 0;
  int bestDistance = INT_MAX;
  for (int at = 0; at <= size(); ++at) {
    if (at < size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) continue;
    int distance = std::abs(left + static_cast<int>(fl_width(text, at)) - Fl::event_x());
    if (distance < bestDistance) {
      best = at;
      bestDistance = distance;
    }
  }
  return best;
}

int FieldWidget::handleRightAlignedMouse(int event) {
  if (event == FL_PUSH && Fl::focus() != this) take_focus();
  int at = positionAtPointer();
  if (event == FL_PUSH && Fl::event_state(FL_SHIFT) == 0) {
    position(at);
  } else {
    position(at, mark());
  }
  redraw();
  return 1;
}
