// The reader's default application for a kind of document, by the MIME
// applications rules: the mimeapps.list files, then the desktop files that
// declare the type.
#pragma once

#include <string>
#include <vector>

#include "viewer/xdg/desktop_entry.h"
#include "viewer/xdg/xdg_directories.h"

// The mimeapps.list files in the order they are consulted: the config home,
// each config dir, the data home's and each data dir's applications
// directory, and in each the desktop-specific lists before the plain one.
std::vector<std::string> mimeappsLists(const XdgDirectories& directories);

// The first installed of: the [Default Applications] of each list in turn;
// the [Added Associations] of each plain (not desktop-specific) list in
// turn, less those a list before it has under [Removed Associations]; a
// desktop file whose MimeType names the type and that no list has removed.
// False when there is none.
bool defaultApplicationFor(const XdgDirectories& directories, const std::string& mimeType,
                           DesktopEntry& entry);
