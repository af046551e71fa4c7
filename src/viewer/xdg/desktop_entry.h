// An installed application as its desktop file describes it, found by its
// desktop id in the applications directories.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct DesktopEntry {
  std::string id;                       // such as "org.gnome.Evince.desktop"
  std::string path;                     // its desktop file
  std::string exec;                     // the Exec value, string escapes undone
  std::string icon;                     // Icon, for %i
  std::string name;                     // Name, for %c
  std::vector<std::string> mimeTypes;   // MimeType
};

// The file of a desktop id in one applications directory, or "": each '-'
// of the id may stand for a subdirectory ("kde4-okular.desktop" may be
// kde4/okular.desktop).
std::string desktopFileIn(const std::string& directory, std::string_view id);

// The application of a desktop id from the first directory that has a file
// for it; false when none has, or that file is hidden (the id deleted), no
// application, without Exec, or its TryExec program is missing.
bool installedApplication(const std::vector<std::string>& applicationDirs, const std::string& id,
                          DesktopEntry& entry);

// Whether a program is there to run: a path that is executable, or a name
// found on $PATH.
bool programExists(const std::string& program);
