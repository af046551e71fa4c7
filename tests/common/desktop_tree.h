// A desktop of the test's own: temporary XDG directories (config home,
// config dirs, data home, data dirs) to write mimeapps.list and desktop
// files into, removed again at the end; and the stand-in viewer that
// records how it was started.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class DesktopTree {
 public:
  DesktopTree();
  ~DesktopTree();
  const std::string& root() const { return root_; }
  // Below the root: "config" ($XDG_CONFIG_HOME), "etc" ($XDG_CONFIG_DIRS),
  // "data" ($XDG_DATA_HOME), "share" ($XDG_DATA_DIRS).
  void write(const std::string& relative, const std::string& text);
  // An application that opens PDFs, its Exec line as given.
  void writeApplication(const std::string& relative, const std::string& exec);
  // Makes application/pdf open in the given desktop id.
  void makeDefault(const std::string& id);
  // The settings that put a program on this desktop: the four directories,
  // XDG_CURRENT_DESKTOP, and where a stand-in viewer records.
  std::vector<std::string> environment(const std::string& desktops = "") const;
  // The same settings for this process.
  void applyToProcess(const std::string& desktops = "") const;
  std::string recordPath() const { return root_ + "/record"; }

 private:
  std::string root_;
};

// What a stand-in viewer recorded (tests/common/viewer_stand_in.cpp).
struct StandInRecord {
  std::vector<std::string> argv;
  pid_t pid = 0;
  pid_t sid = 0;
  std::vector<int> descriptors;   // open in it, from /proc/self/fd
};

// Waits (30 s at most) for the record; false when none came.
bool awaitRecord(const std::string& path, StandInRecord& record);

// Ends a viewer the test started and reaps it: the test must be its
// subreaper (PR_SET_CHILD_SUBREAPER), as the viewer's parent is gone.
void endViewer(pid_t pid);
