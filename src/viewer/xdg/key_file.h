// The key files of the desktop entry rules (desktop files, mimeapps.list):
// [Group] headers, then "Key=Value" lines. Values are kept as written;
// stringValue and listValue undo their escapes.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

using KeyGroup = std::map<std::string, std::string>;
using KeyFile = std::map<std::string, KeyGroup>;

// False when the file cannot be read.
bool readKeyFile(const std::string& path, KeyFile& file);

// The value as written, or "" where the group or key is missing.
std::string rawValue(const KeyFile& file, const std::string& group, const std::string& key);

// \s \n \t \r \\ undone.
std::string stringValue(std::string_view raw);

// Split at each ';' that is not written "\;", each part's escapes undone;
// empty parts (the closing ';') left out.
std::vector<std::string> listValue(std::string_view raw);
