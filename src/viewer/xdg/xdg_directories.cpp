#include "viewer/xdg/xdg_directories.h"

#include <cstdlib>

namespace {

// A relative path in any of the variables is not to be used.
std::vector<std::string> absoluteOnly(std::vector<std::string> paths) {
  std::erase_if(paths, [](const std::string& path) { return path[0] != '/'; });
  return paths;
}

// An unset or empty variable, or one of relative paths only, means its
// default.
std::vector<std::string> listOr(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  std::vector<std::string> paths = absoluteOnly(partsOf(value != nullptr ? value : "", ':'));
  return paths.empty() ? partsOf(fallback, ':') : paths;
}

std::string homeOr(const char* name, const char* belowHome) {
  const char* value = std::getenv(name);
  if (value != nullptr && value[0] == '/') return value;
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + belowHome;
}

// The names pick desktop-specific files, whose names are in lower case.
std::vector<std::string> currentDesktops() {
  const char* value = std::getenv("XDG_CURRENT_DESKTOP");
  std::vector<std::string> names = partsOf(value != nullptr ? value : "", ':');
  for (std::string& name : names) {
    for (char& c : name) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return names;
}

}  // namespace

std::vector<std::string> partsOf(std::string_view list, char separator) {
  std::vector<std::string> parts;
  while (!list.empty()) {
    std::size_t end = list.find(separator);
    if (end != 0) parts.emplace_back(list.substr(0, end));
    list.remove_prefix(end == std::string_view::npos ? list.size() : end + 1);
  }
  return parts;
}

XdgDirectories xdgDirectoriesFromEnvironment() {
  return {homeOr("XDG_CONFIG_HOME", "/.config"), listOr("XDG_CONFIG_DIRS", "/etc/xdg"),
          homeOr("XDG_DATA_HOME", "/.local/share"),
          listOr("XDG_DATA_DIRS", "/usr/local/share:/usr/share"), currentDesktops()};
}

std::vector<std::string> applicationDirectories(const XdgDirectories& directories) {
  std::vector<std::string> applications = {directories.dataHome + "/applications"};
  for (const std::string& dir : directories.dataDirs) applications.push_back(dir + "/applications");
  return applications;
}
