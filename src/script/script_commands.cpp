#include "script/script_commands.h"

#include <string_view>

#include "script/script_io.h"
#include "dialog/search_dialog.h"
#include "viewer/recorded_viewer.h"
#include "platform/win32/cp1252.h"

namespace {

bool isBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool startsWith(std::string_view text, std::string_view head) {
  return text.substr(0, head.size()) == head;
}

// The text after "WORD" or "WORD " to the end of the line, blanks kept;
// false when the line is another command.
bool restAfter(std::string_view line, std::string_view word, std::string_view& rest) {
  if (line == word) {
    rest = {};
    return true;
  }
  if (!startsWith(line, std::string(word) + " ")) return false;
  rest = line.substr(word.size() + 1);
  return true;
}

// "N" or "N REST" with N one of 1, 2, 3.
bool slotAndRest(std::string_view text, int& slot, std::string_view& rest) {
  if (text.empty() || text[0] < '1' || text[0] > '3') return false;
  slot = text[0] - '1';
  if (text.size() == 1) {
    rest = {};
    return true;
  }
  if (text[1] != ' ') return false;
  rest = text.substr(2);
  return true;
}

LPARAM textParam(const std::string& text) { return reinterpret_cast<LPARAM>(text.c_str()); }

void setFieldText(HWND dialog, int id, std::string_view utf8) {
  std::string text = utf8ToCp1252(utf8);
  SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, textParam(text));
}

ScriptStep fail(const std::string& message) {
  writeError("error: " + message + "\n");
  return ScriptStep::failed;
}

bool isNumber(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Line K of a list, as the number "K" names it; -1 when there is no such line.
int lineNamed(HWND list, std::string_view number) {
  if (number.size() > 9) return -1;
  int index = std::stoi(std::string(number));
  return index < SendMessageA(list, LB_GETCOUNT, 0, 0) ? index : -1;
}

// What the list box does for a user's click: select, then report it.
void clickByMessages(HWND dialog, int id, int index) {
  HWND list = GetDlgItem(dialog, id);
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

ScriptStep pickLine(HWND dialog, int slot, std::string_view line, const ScriptSurface& surface) {
  if (!isNumber(line)) return fail("unknown command");
  int index = lineNamed(GetDlgItem(dialog, firstWordListId + slot), line);
  if (index < 0) return fail("no line " + std::string(line) + " in word list " + std::to_string(slot + 1));
  surface.clickLine(dialog, firstWordListId + slot, index);
  return ScriptStep::next;
}

// A double-click: the first click selects the row, the second is reported
// as LBN_DBLCLK.
void doubleClickByMessages(HWND dialog, int id, int index) {
  clickByMessages(dialog, id, index);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// What the dialog asked to open is printed, not shown.
ScriptStep openRow(HWND dialog, std::string_view line, const ScriptSurface& surface) {
  if (!isNumber(line)) return fail("unknown command");
  int index = lineNamed(GetDlgItem(dialog, resultsListId), line);
  if (index < 0) return fail("no row " + std::string(line) + " in the results");
  surface.doubleClickLine(dialog, resultsListId, index);
  RecordedDocument document;
  if (takeRecordedDocument(document)) {
    std::string name = document.path.substr(document.path.find_last_of("/\\") + 1);
    writeOutput("open: " + name + " page " + std::to_string(document.page) + " word " + document.word + "\n");
  }
  return ScriptStep::next;
}

std::string fieldTextByMessages(HWND field) {
  LRESULT length = SendMessageA(field, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  LRESULT copied = SendMessageA(field, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return cp1252ToUtf8(text);
}

int lineCountByMessages(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

int selectedLineByMessages(HWND list) {
  LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

std::string lineTextByMessages(HWND list, int index) {
  LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  std::string line(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line.data()));
  line.resize(static_cast<std::size_t>(length < 0 ? 0 : length));
  return cp1252ToUtf8(line);
}

std::string listLines(HWND list, const ScriptSurface& surface) {
  int count = surface.lineCount(list);
  int selected = surface.selectedLine(list);
  std::string out = std::to_string(count) + " lines, selected " +
                    (selected < 0 ? std::string("-") : std::to_string(selected)) + "\n";
  for (int i = 0; i < count; ++i) out += "  " + surface.lineText(list, i) + "\n";
  return out;
}

ScriptStep showState(HWND dialog, const ScriptSurface& surface) {
  std::string out;
  for (int slot = 0; slot < 3; ++slot) {
    out += "term " + std::to_string(slot + 1) + ": " +
           surface.fieldText(GetDlgItem(dialog, firstTermFieldId + slot)) + "\n";
  }
  out += "distance: " + surface.fieldText(GetDlgItem(dialog, distanceFieldId)) + "\n";
  for (int slot = 0; slot < 3; ++slot) {
    out += "words " + std::to_string(slot + 1) + ": " +
           listLines(GetDlgItem(dialog, firstWordListId + slot), surface);
  }
  out += "results: " + listLines(GetDlgItem(dialog, resultsListId), surface);
  writeOutput(out);
  return ScriptStep::next;
}

ScriptStep closeDialog(HWND dialog) {
  SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  return ScriptStep::closed;
}

}  // namespace

const ScriptSurface messageSurface = {
    clickByMessages,        doubleClickByMessages, fieldTextByMessages, lineCountByMessages,
    selectedLineByMessages, lineTextByMessages,    nullptr,
};

ScriptStep runScriptLine(HWND dialog, const std::string& line, const ScriptSurface& surface) {
  if (isBlank(line) || line[0] == '#') return ScriptStep::next;
  std::string_view rest;
  int slot = 0;
  if (restAfter(line, "term", rest) && slotAndRest(rest, slot, rest)) {
    setFieldText(dialog, firstTermFieldId + slot, rest);
    return ScriptStep::next;
  }
  if (restAfter(line, "pick", rest) && slotAndRest(rest, slot, rest)) return pickLine(dialog, slot, rest, surface);
  if (restAfter(line, "open", rest)) return openRow(dialog, rest, surface);
  if (restAfter(line, "distance", rest)) {
    setFieldText(dialog, distanceFieldId, rest);
    return ScriptStep::next;
  }
  if (line == "show") return showState(dialog, surface);
  if (line == "close") return closeDialog(dialog);
  return fail("unknown command");
}
