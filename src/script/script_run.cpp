#include "script/script_run.h"

#include <string>

#include "platform/win32/cp1252.h"
#include "script/script_io.h"

ScriptStep runScript(HWND dialog, const ScriptSurface& surface) {
  std::string line;
  ScriptStep step = ScriptStep::next;
  while (step == ScriptStep::next && readScriptLine(line)) {
    step = runScriptLine(dialog, line, surface);
    if (surface.settle != nullptr) surface.settle();
  }
  return step;
}

void tellOnScriptErrors(HWND, const char* cp1252Text) { writeError(cp1252ToUtf8(cp1252Text) + "\n"); }

int finishScript(ScriptStep last, INT_PTR dialogResult) {
  if (dialogResult == -1 && last == ScriptStep::next) {
    writeError("error: the dialog cannot be created\n");
    return 1;
  }
  if (last == ScriptStep::failed) return 2;
  if (last == ScriptStep::closed) writeOutput("exit " + std::to_string(dialogResult) + "\n");
  return 0;
}
