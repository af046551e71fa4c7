// The page's standard output and error of a dialog script: two strings that
// window.quirelScript reads when the script has ended.
#include <emscripten.h>

#include <string>

#include "app/script_io.h"
#include "app/web/web_script_io.h"

namespace {

std::string output;
std::string errors;

}  // namespace

void writeOutput(std::string_view text) { output += text; }
void writeError(std::string_view text) { errors += text; }

void clearScriptOutput() {
  output.clear();
  errors.clear();
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* quirelScriptOutput() { return output.c_str(); }
extern "C" EMSCRIPTEN_KEEPALIVE const char* quirelScriptErrors() { return errors.c_str(); }
