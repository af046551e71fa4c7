#include "viewer/xdg/mime_defaults.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "viewer/xdg/key_file.h"

namespace {

struct Associations {
  std::vector<std::string> defaults, added, removed;
};

using IdSet = std::set<std::string>;

// A desktop-specific list may only name defaults.
Associations associationsIn(const std::string& list, const std::string& mimeType) {
  KeyFile file;
  if (!readKeyFile(list, file)) return {};
  Associations associations = {listValue(rawValue(file, "Default Applications", mimeType)), {}, {}};
  if (!list.ends_with("/mimeapps.list")) return associations;
  associations.added = listValue(rawValue(file, "Added Associations", mimeType));
  associations.removed = listValue(rawValue(file, "Removed Associations", mimeType));
  return associations;
}

bool firstInstalled(const std::vector<std::string>& ids, const IdSet& removed,
                    const std::vector<std::string>& applicationDirs, DesktopEntry& entry) {
  for (const std::string& id : ids) {
    if (removed.count(id) == 0 && installedApplication(applicationDirs, id, entry)) return true;
  }
  return false;
}

// A named default wins wherever it is named, as long as it is installed.
bool namedDefault(const std::vector<Associations>& lists, const std::vector<std::string>& applicationDirs,
                  DesktopEntry& entry) {
  for (const Associations& list : lists) {
    if (firstInstalled(list.defaults, {}, applicationDirs, entry)) return true;
  }
  return false;
}

// A list's removals hide what the lists after it add, and the desktop
// files' own declarations; they are collected on the way.
bool addedAssociation(const std::vector<Associations>& lists, const std::vector<std::string>& applicationDirs,
                      IdSet& removed, DesktopEntry& entry) {
  for (const Associations& list : lists) {
    if (firstInstalled(list.added, removed, applicationDirs, entry)) return true;
    removed.insert(list.removed.begin(), list.removed.end());
  }
  return false;
}

// The desktop ids under one applications directory, in a fixed order: a
// file in a subdirectory has the subdirectory's name and a '-' before its
// own.
std::vector<std::string> desktopIdsUnder(const std::string& directory) {
  namespace fs = std::filesystem;
  std::vector<std::string> ids;
  std::error_code error;
  for (fs::recursive_directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
    std::string relative = it->path().lexically_relative(directory).string();
    if (!relative.ends_with(".desktop")) continue;
    std::replace(relative.begin(), relative.end(), '/', '-');
    ids.push_back(relative);
  }
  std::sort(ids.begin(), ids.end());
  return ids;
}

// The last resort: an application that declares the type itself. An id
// seen in an earlier directory is that directory's.
bool declaringApplication(const std::vector<std::string>& applicationDirs, const std::string& mimeType,
                          IdSet removed, DesktopEntry& entry) {
  for (const std::string& directory : applicationDirs) {
    for (const std::string& id : desktopIdsUnder(directory)) {
      if (!removed.insert(id).second || !installedApplication(applicationDirs, id, entry)) continue;
      const std::vector<std::string>& types = entry.mimeTypes;
      if (std::find(types.begin(), types.end(), mimeType) != types.end()) return true;
    }
  }
  return false;
}

}  // namespace

std::vector<std::string> mimeappsLists(const XdgDirectories& directories) {
  std::vector<std::string> roots = {directories.configHome};
  roots.insert(roots.end(), directories.configDirs.begin(), directories.configDirs.end());
  for (const std::string& applications : applicationDirectories(directories)) roots.push_back(applications);
  std::vector<std::string> lists;
  for (const std::string& root : roots) {
    for (const std::string& desktop : directories.desktops) lists.push_back(root + "/" + desktop + "-mimeapps.list");
    lists.push_back(root + "/mimeapps.list");
  }
  return lists;
}

bool defaultApplicationFor(const XdgDirectories& directories, const std::string& mimeType,
                           DesktopEntry& entry) {
  std::vector<Associations> lists;
  for (const std::string& list : mimeappsLists(directories)) lists.push_back(associationsIn(list, mimeType));
  std::vector<std::string> applicationDirs = applicationDirectories(directories);
  IdSet removed;
  return namedDefault(lists, applicationDirs, entry) || addedAssociation(lists, applicationDirs, removed, entry) ||
         declaringApplication(applicationDirs, mimeType, removed, entry);
}
