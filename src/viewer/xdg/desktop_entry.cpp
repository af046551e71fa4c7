#include "viewer/xdg/desktop_entry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "viewer/xdg/key_file.h"
#include "viewer/xdg/xdg_directories.h"

namespace {

bool isKind(const std::string& path, mode_t kind) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && (status.st_mode & S_IFMT) == kind;
}

bool isExecutableFile(const std::string& path) { return isKind(path, S_IFREG) && access(path.c_str(), X_OK) == 0; }

// What the launcher needs of the file, and whether it may be launched at all.
bool entryFrom(const KeyFile& file, DesktopEntry& entry) {
  const std::string group = "Desktop Entry";
  if (file.count(group) == 0 || rawValue(file, group, "Type") != "Application") return false;
  if (rawValue(file, group, "Hidden") == "true") return false;
  std::string tryExec = stringValue(rawValue(file, group, "TryExec"));
  if (!tryExec.empty() && !programExists(tryExec)) return false;
  entry.exec = stringValue(rawValue(file, group, "Exec"));
  entry.icon = stringValue(rawValue(file, group, "Icon"));
  entry.name = stringValue(rawValue(file, group, "Name"));
  entry.mimeTypes = listValue(rawValue(file, group, "MimeType"));
  return !entry.exec.empty();
}

}  // namespace

std::string desktopFileIn(const std::string& directory, std::string_view id) {
  std::string whole = directory + "/" + std::string(id);
  if (isKind(whole, S_IFREG)) return whole;
  for (std::size_t dash = id.find('-'); dash != std::string_view::npos; dash = id.find('-', dash + 1)) {
    std::string below = directory + "/" + std::string(id.substr(0, dash));
    if (!isKind(below, S_IFDIR)) continue;
    std::string found = desktopFileIn(below, id.substr(dash + 1));
    if (!found.empty()) return found;
  }
  return "";
}

bool installedApplication(const std::vector<std::string>& applicationDirs, const std::string& id,
                          DesktopEntry& entry) {
  for (const std::string& directory : applicationDirs) {
    std::string path = desktopFileIn(directory, id);
    if (path.empty()) continue;
    KeyFile file;
    entry = {id, path, "", "", "", {}};
    return readKeyFile(path, file) && entryFrom(file, entry);
  }
  return false;
}

bool programExists(const std::string& program) {
  if (program.find('/') != std::string::npos) return isExecutableFile(program);
  const char* path = std::getenv("PATH");
  for (const std::string& directory : partsOf(path != nullptr ? path : "/usr/bin:/bin", ':')) {
    if (isExecutableFile(directory + "/" + program)) return true;
  }
  return false;
}
