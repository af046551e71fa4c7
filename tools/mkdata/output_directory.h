// Replacing a directory of output files as a whole. The new files are
// written into a fresh sibling, ".NAME.quirel-XXXXXX", which then takes the
// directory's place in one atomic exchange (renameat2 RENAME_EXCHANGE; a
// plain rename when there is no directory yet); the old files, now in the
// sibling, are removed. Killed at any moment, the run leaves the directory
// holding the old set or the new one, whole; the siblings a killed run
// leaves behind are removed by the next run (a run holds a lock on its own,
// so two runs at once never remove each other's).
#pragma once

#include <string>
#include <vector>

#include "file_output.h"

// files: paths are names within the directory. A directory that holds
// anything but these names (and temporaries of them) is refused, so that
// nothing of the reader's own is ever removed.
bool replaceDirectory(const std::string& directory, const std::vector<OutputFile>& files, std::string& error);
