// Running quirel-mkdata as a process, in a scratch directory of its own.
#pragma once

#include <string>
#include <vector>

struct ToolRun {
  int exitCode;
  std::string out;
  std::string err;
};

// A fresh, empty directory that is removed with the object.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  std::string path(const std::string& name) const;
  std::vector<std::string> names() const;  // sorted

 private:
  std::string root_;
};

// wrapper: a command line the tool runs under (strace, say); empty: none.
ToolRun runTool(const std::vector<std::string>& arguments, const ScratchDir& scratch,
                const std::vector<std::string>& wrapper = {});

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& content);
std::string dataFile(const std::string& name);
