// The default application for PDF, looked up in desktops of the test's
// own: which mimeapps.list and which of its groups wins, and which
// applications count as installed.
#include <gtest/gtest.h>

#include <sstream>

#include "desktop_tree.h"
#include "viewer/xdg/mime_defaults.h"

namespace {

// "DIR/mimeapps.list D=a;b A=c R=d": the list's Default, Added and
// Removed ids for PDF, ".desktop" left out.
std::string listText(std::istringstream& groups) {
  std::string text, group;
  while (groups >> group) {
    const char* name = group[0] == 'D' ? "Default" : group[0] == 'A' ? "Added" : "Removed";
    text += std::string("[") + name + (group[0] == 'D' ? " Applications" : " Associations") + "]\napplication/pdf = ";
    std::istringstream ids(group.substr(2));
    for (std::string id; std::getline(ids, id, ';');) text += id + ".desktop;";
    text += "\n";
  }
  return text;
}

// Files of the tree: lists as above, separated by '|'; "share/ID" or
// "data/ID" an application there, "+" after it for one that declares PDF;
// "/" in the id a subdirectory.
std::string defaultIn(const char* lists, const char* apps, const char* desktops) {
  DesktopTree tree;
  std::istringstream eachList(lists), eachApp(apps);
  for (std::string list; std::getline(eachList, list, '|');) {
    std::istringstream groups(list);
    std::string path;
    groups >> path;
    tree.write(path, listText(groups));
  }
  for (std::string app; eachApp >> app;) {
    bool declares = app.back() == '+';
    std::string id = declares ? app.substr(0, app.size() - 1) : app;
    id.insert(id.find('/'), "/applications");
    tree.write(id + ".desktop", std::string("[Desktop Entry]\nType=Application\nExec=lesen %f\n") +
                                    (declares ? "MimeType=text/plain;application/pdf;\n" : ""));
  }
  tree.applyToProcess(desktops);
  DesktopEntry entry;
  return defaultApplicationFor(xdgDirectoriesFromEnvironment(), "application/pdf", entry) ? entry.id : "none";
}

struct Case {
  const char* lists;
  const char* apps;
  const char* desktops;  // $XDG_CURRENT_DESKTOP
  const char* expected;
};

TEST(MimeLookup, TheListsAndTheDesktopFilesDecideInTheirOrder) {
  const Case cases[] = {
      {"config/mimeapps.list A=a D=b", "share/a share/b", "", "b.desktop"},
      {"config/mimeapps.list D=gone;b", "share/b", "", "b.desktop"},
      {"config/mimeapps.list A=a | share/applications/mimeapps.list D=b", "share/a share/b", "", "b.desktop"},
      {"config/mimeapps.list D=a | config/other-mimeapps.list D=c | config/x-probe-mimeapps.list D=b",
       "share/a share/b share/c", "X-Probe:Other", "b.desktop"},
      {"config/x-probe-mimeapps.list D=b | etc/mimeapps.list D=a", "share/a share/b", "Other", "a.desktop"},
      {"config/x-probe-mimeapps.list A=b", "share/b share/c+", "X-Probe", "c.desktop"},
      {"config/mimeapps.list R=b | data/applications/mimeapps.list A=b;c", "share/b+ share/c", "", "c.desktop"},
      {"config/mimeapps.list R=b", "share/b+ share/c+", "", "c.desktop"},
      {"", "share/a+ data/z+ share/plain", "", "z.desktop"},
      {"config/mimeapps.list D=kde4-okular", "share/kde4/okular", "", "kde4-okular.desktop"},
      {"", "share/kde4/okular+", "", "kde4-okular.desktop"},
      {"config/mimeapps.list R=a", "share/a", "", "none"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(defaultIn(c.lists, c.apps, c.desktops), c.expected) << c.lists << " / " << c.apps;
  }
}

// A hidden file deletes its id, also for the directories after it; a
// missing TryExec program, no Exec or no application are not installed.
TEST(MimeLookup, OnlyAnInstalledApplicationIsTheDefault) {
  const char* entries[] = {"Exec=x\nHidden=true", "Exec=x\nTryExec=/no/such/lesen", "", "Exec=x\nType=Link"};
  for (const char* entry : entries) {
    DesktopTree tree;
    tree.makeDefault("a.desktop;b.desktop");
    tree.write("data/applications/a.desktop", std::string("[Desktop Entry]\n") + entry + "\nType=Application\n");
    tree.writeApplication("share/applications/a.desktop", "lesen %f");
    tree.writeApplication("share/applications/b.desktop", "lesen %f");
    tree.applyToProcess();
    DesktopEntry found;
    EXPECT_TRUE(defaultApplicationFor(xdgDirectoriesFromEnvironment(), "application/pdf", found));
    EXPECT_EQ(found.id, "b.desktop") << entry;
  }
}

// Unset, empty or relative-only variables mean their defaults.
TEST(MimeLookup, VariablesWithoutAnAbsolutePathMeanTheirDefaults) {
  setenv("HOME", "/home/leser", 1);
  setenv("XDG_CONFIG_HOME", "", 1);
  unsetenv("XDG_DATA_HOME");
  setenv("XDG_CONFIG_DIRS", "relative/etc", 1);
  setenv("XDG_DATA_DIRS", "::/opt/share:rel", 1);
  XdgDirectories dirs = xdgDirectoriesFromEnvironment();
  EXPECT_EQ(dirs.configHome + " " + dirs.dataHome, "/home/leser/.config /home/leser/.local/share");
  EXPECT_EQ(dirs.configDirs, std::vector<std::string>{"/etc/xdg"});
  EXPECT_EQ(dirs.dataDirs, std::vector<std::string>{"/opt/share"});
}

}  // namespace
