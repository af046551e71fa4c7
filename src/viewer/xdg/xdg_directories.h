// Where the XDG base directory rules put a user's settings and data, as the
// environment names them now (read each time: a desktop session or a test
// may change them).
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct XdgDirectories {
  std::string configHome;                // $XDG_CONFIG_HOME, else ~/.config
  std::vector<std::string> configDirs;   // $XDG_CONFIG_DIRS, else /etc/xdg
  std::string dataHome;                  // $XDG_DATA_HOME, else ~/.local/share
  std::vector<std::string> dataDirs;     // $XDG_DATA_DIRS, else /usr/local/share:/usr/share
  std::vector<std::string> desktops;     // $XDG_CURRENT_DESKTOP's names, in lower case
};

XdgDirectories xdgDirectoriesFromEnvironment();

// The directories that hold desktop files, the one that wins first:
// $XDG_DATA_HOME/applications, then each of $XDG_DATA_DIRS.
std::vector<std::string> applicationDirectories(const XdgDirectories& directories);

// The parts of a list between its separators, empty parts left out.
std::vector<std::string> partsOf(std::string_view list, char separator);
