#include "tool_runner.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string quoted(const std::string& text) {
  std::string result = "'";
  for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

}  // namespace

ScratchDir::ScratchDir() {
  std::string pattern = (fs::temp_directory_path() / "quirel-book-XXXXXX").string();
  root_ = mkdtemp(pattern.data());
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

std::string ScratchDir::path(const std::string& name) const { return root_ + "/" + name; }

std::vector<std::string> ScratchDir::names() const {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(root_)) {
    const std::string name = entry.path().filename().string();
    if (name != ".out" && name != ".err") found.push_back(name);
  }
  std::sort(found.begin(), found.end());
  return found;
}

ToolRun runTool(const std::vector<std::string>& arguments, const ScratchDir& scratch,
                const std::vector<std::string>& wrapper) {
  std::string command;
  for (const std::string& part : wrapper) command += quoted(part) + " ";
  command += quoted(QUIREL_MKDATA);
  for (const std::string& argument : arguments) command += " " + quoted(argument);
  command += " >" + quoted(scratch.path(".out")) + " 2>" + quoted(scratch.path(".err"));
  const int status = std::system(command.c_str());
  ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(scratch.path(".out")),
              readFile(scratch.path(".err"))};
  fs::remove(scratch.path(".out"));
  fs::remove(scratch.path(".err"));
  return run;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void writeFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string dataFile(const std::string& name) { return std::string(QUIREL_DATA_DIR) + "/" + name; }
