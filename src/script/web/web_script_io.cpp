// The script's input and output in the page: two strings that
// window.quirelScript reads when the script has ended.
#include "script/web/web_script_io.h"

#include <emscripten.h>

#include <string>

#include "script/script_io.h"

namespace {

std::string input;
std::size_t inputRead = 0;
std::string output;
std::string errors;

}  // namespace

void startPageScript(const char* text, int size) {
  input.assign(text, static_cast<std::size_t>(size));
  inputRead = 0;
  output.clear();
  errors.clear();
}

// As from standard input: a last line without its line end is a line too.
bool readScriptLine(std::string& line) {
  if (inputRead >= input.size()) return false;
  std::size_t end = input.find('\n', inputRead);
  if (end == std::string::npos) end = input.size();
  line = input.substr(inputRead, end - inputRead);
  inputRead = end + 1;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void writeOutput(std::string_view text) { output += text; }
void writeError(std::string_view text) { errors += text; }

bool readDataFile(const char*, std::vector<unsigned char>&, std::string& reason) {
  reason = "the page reads no files";
  return false;
}

GivenDataSet givenByPage(const PageDataSet& given) {
  if (given.name == nullptr) return {};
  GivenDataSet dataSet{true, given.name, {given.bytes, given.bytes + given.size}, {}};
  if (given.unreadable != nullptr) dataSet.unreadable = given.unreadable;
  return dataSet;
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* quirelScriptOutput() { return output.c_str(); }
extern "C" EMSCRIPTEN_KEEPALIVE const char* quirelScriptErrors() { return errors.c_str(); }
