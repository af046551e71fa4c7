#include "desktop_tree.h"

#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

DesktopTree::DesktopTree() {
  char pattern[] = "/tmp/quirel-desktop-XXXXXX";
  root_ = mkdtemp(pattern);
  for (const char* dir : {"config", "etc", "data/applications", "share/applications"}) {
    std::filesystem::create_directories(root_ + "/" + dir);
  }
}

DesktopTree::~DesktopTree() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

void DesktopTree::write(const std::string& relative, const std::string& text) {
  std::filesystem::path path = root_ + "/" + relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

void DesktopTree::writeApplication(const std::string& relative, const std::string& exec) {
  write(relative, "[Desktop Entry]\nType=Application\nName=Leser\nExec=" + exec +
                      "\nMimeType=application/pdf;\n");
}

void DesktopTree::makeDefault(const std::string& id) {
  write("config/mimeapps.list", "[Default Applications]\napplication/pdf=" + id + "\n");
}

std::vector<std::string> DesktopTree::environment(const std::string& desktops) const {
  return {"XDG_CONFIG_HOME=" + root_ + "/config", "XDG_CONFIG_DIRS=" + root_ + "/etc",
          "XDG_DATA_HOME=" + root_ + "/data", "XDG_DATA_DIRS=" + root_ + "/share",
          "XDG_CURRENT_DESKTOP=" + desktops, "QUIREL_STAND_IN_RECORD=" + recordPath()};
}

void DesktopTree::applyToProcess(const std::string& desktops) const {
  for (const std::string& setting : environment(desktops)) {
    std::size_t equals = setting.find('=');
    setenv(setting.substr(0, equals).c_str(), setting.substr(equals + 1).c_str(), 1);
  }
}

namespace {

void takeRecordLine(const std::string& line, StandInRecord& record) {
  std::size_t tab = line.find('\t');
  std::string name = line.substr(0, tab), value = line.substr(tab + 1);
  if (name == "arg") record.argv.push_back(value);
  if (name == "pid") record.pid = std::stoi(value);
  if (name == "sid") record.sid = std::stoi(value);
  if (name == "fd") record.descriptors.push_back(std::stoi(value));
}

}  // namespace

bool awaitRecord(const std::string& path, StandInRecord& record) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (access(path.c_str(), R_OK) != 0) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::ifstream in(path, std::ios::binary);
  record = {};
  for (std::string line; std::getline(in, line);) takeRecordLine(line, record);
  return record.pid > 0;
}

void endViewer(pid_t pid) {
  if (pid > 0 && kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
}
