// The default application for PDF, looked up in desktops of the test's
// own: which mimeapps.list and which of its groups wins, and which
// applications count as installed.
#include <gtest/gtest.h>

#include <utility>

#include "desktop_tree.h"
#include "platform/viewer/xdg/mime_defaults.h"

namespace {

using Files = std::vector<std::pair<const char*, const char*>>;

const char app[] = "[Desktop Entry]\nType=Application\nExec=lesen %f\n";
const char pdfApp[] = "[Desktop Entry]\nType=Application\nExec=lesen %f\nMimeType=text/plain;application/pdf;\n";

struct Case {
  const char* what;
  const char* desktops;   // XDG_CURRENT_DESKTOP
  Files files;            // below the tree's root
  const char* expected;   // desktop id, "" for none
};

std::string defaultIn(const Case& c) {
  DesktopTree tree;
  for (const auto& [path, text] : c.files) tree.write(path, text);
  tree.applyToProcess(c.desktops);
  DesktopEntry entry;
  return defaultApplicationFor(xdgDirectoriesFromEnvironment(), "application/pdf", entry) ? entry.id : "";
}

TEST(MimeLookup, TheMimeappsListsAndTheDesktopFilesDecideInTheirOrder) {
  const Case cases[] = {
      {"a default beats an addition", "",
       {{"config/mimeapps.list", "[Added Associations]\napplication/pdf=a.desktop\n"
                                 "[Default Applications]\napplication/pdf=b.desktop\n"},
        {"share/applications/a.desktop", app}, {"share/applications/b.desktop", app}},
       "b.desktop"},
      {"a default not installed is passed over", "",
       {{"config/mimeapps.list", "[Default Applications]\napplication/pdf=gone.desktop;b.desktop;\n"},
        {"share/applications/b.desktop", app}},
       "b.desktop"},
      {"a later list's default beats an earlier list's addition", "",
       {{"config/mimeapps.list", "[Added Associations]\napplication/pdf=a.desktop\n"},
        {"share/applications/mimeapps.list", "[Default Applications]\napplication/pdf=b.desktop\n"},
        {"share/applications/a.desktop", app}, {"share/applications/b.desktop", app}},
       "b.desktop"},
      {"the desktop's own list first", "X-Probe:Other",
       {{"config/mimeapps.list", "[Default Applications]\napplication/pdf=a.desktop\n"},
        {"config/other-mimeapps.list", "[Default Applications]\napplication/pdf=c.desktop\n"},
        {"config/x-probe-mimeapps.list", "[Default Applications]\napplication/pdf=b.desktop\n"},
        {"share/applications/a.desktop", app}, {"share/applications/b.desktop", app},
        {"share/applications/c.desktop", app}},
       "b.desktop"},
      {"another desktop's list is not read", "Other",
       {{"config/x-probe-mimeapps.list", "[Default Applications]\napplication/pdf=b.desktop\n"},
        {"etc/mimeapps.list", "[Default Applications]\napplication/pdf=a.desktop\n"},
        {"share/applications/a.desktop", app}, {"share/applications/b.desktop", app}},
       "a.desktop"},
      {"a removal hides the desktop file's own type", "",
       {{"config/mimeapps.list", "# the reader's own\n[Removed Associations]\napplication/pdf = b.desktop;\n"},
        {"share/applications/b.desktop", pdfApp}, {"share/applications/c.desktop", pdfApp}},
       "c.desktop"},
      {"a removal hides a later list's addition", "",
       {{"config/mimeapps.list", "[Removed Associations]\napplication/pdf=b.desktop;\n"},
        {"data/applications/mimeapps.list", "[Added Associations]\napplication/pdf=b.desktop;c.desktop;\n"},
        {"share/applications/b.desktop", pdfApp}, {"share/applications/c.desktop", app}},
       "c.desktop"},
      {"an application that declares the type, the data home's first", "",
       {{"share/applications/a.desktop", pdfApp}, {"data/applications/z.desktop", pdfApp},
        {"share/applications/plain.desktop", app}},
       "z.desktop"},
      {"a hidden file deletes its id for the directories after it", "",
       {{"data/applications/a.desktop", "[Desktop Entry]\nType=Application\nExec=lesen\nHidden=true\n"},
        {"share/applications/a.desktop", pdfApp}, {"share/applications/b.desktop", pdfApp}},
       "b.desktop"},
      {"a missing TryExec program, a link and no Exec are not installed", "",
       {{"config/mimeapps.list", "[Default Applications]\napplication/pdf=t.desktop;l.desktop;e.desktop;b.desktop\n"},
        {"share/applications/t.desktop", "[Desktop Entry]\nType=Application\nExec=x\nTryExec=/no/such/lesen\n"},
        {"share/applications/l.desktop", "[Desktop Entry]\nType=Link\nExec=x\nURL=http://x/\n"},
        {"share/applications/e.desktop", "[Desktop Entry]\nType=Application\n"},
        {"share/applications/b.desktop", app}},
       "b.desktop"},
      {"a '-' of the id may be a subdirectory", "",
       {{"config/mimeapps.list", "[Default Applications]\napplication/pdf=kde4-okular.desktop\n"},
        {"share/applications/kde4/okular.desktop", app}},
       "kde4-okular.desktop"},
      {"the declarations of a subdirectory's file", "",
       {{"share/applications/kde4/okular.desktop", pdfApp}},
       "kde4-okular.desktop"},
      {"nothing for PDF", "",
       {{"config/mimeapps.list", "[Default Applications]\ntext/plain=a.desktop\n"},
        {"share/applications/a.desktop", app}},
       ""},
  };
  for (const Case& c : cases) EXPECT_EQ(defaultIn(c), c.expected) << c.what;
}

// The spec's defaults where a variable is unset, empty or relative only.
TEST(MimeLookup, UnsetEmptyOrRelativeVariablesMeanTheirDefaults) {
  setenv("HOME", "/home/leser", 1);
  setenv("XDG_CONFIG_HOME", "", 1);
  unsetenv("XDG_DATA_HOME");
  setenv("XDG_CONFIG_DIRS", "relative/etc", 1);
  setenv("XDG_DATA_DIRS", "::/opt/share:rel", 1);
  XdgDirectories dirs = xdgDirectoriesFromEnvironment();
  EXPECT_EQ(dirs.configHome, "/home/leser/.config");
  EXPECT_EQ(dirs.dataHome, "/home/leser/.local/share");
  EXPECT_EQ(dirs.configDirs, std::vector<std::string>{"/etc/xdg"});
  EXPECT_EQ(dirs.dataDirs, std::vector<std::string>{"/opt/share"});
  unsetenv("XDG_DATA_DIRS");
  EXPECT_EQ(xdgDirectoriesFromEnvironment().dataDirs, (std::vector<std::string>{"/usr/local/share", "/usr/share"}));
}

}  // namespace
