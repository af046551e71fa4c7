#include "viewer/xdg/key_file.h"

#include <fstream>

namespace {

std::string_view trimmed(std::string_view text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Blank space around the '=' is no part of key or value; a key seen twice
// keeps its first value.
void takeLine(std::string_view line, std::string& group, KeyFile& file) {
  line = trimmed(line);
  if (line.empty() || line[0] == '#') return;
  if (line.front() == '[' && line.back() == ']') {
    group = line.substr(1, line.size() - 2);
    file[group];
    return;
  }
  std::size_t equals = line.find('=');
  if (equals == std::string_view::npos || group.empty()) return;
  file[group].emplace(trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)));
}

char escaped(char code) {
  switch (code) {
    case 's': return ' ';
    case 'n': return '\n';
    case 't': return '\t';
    case 'r': return '\r';
    case '\\': return '\\';
    default: return 0;
  }
}

}  // namespace

bool readKeyFile(const std::string& path, KeyFile& file) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line, group;
  while (std::getline(in, line)) takeLine(line, group, file);
  return true;
}

std::string rawValue(const KeyFile& file, const std::string& group, const std::string& key) {
  auto inGroup = file.find(group);
  if (inGroup == file.end()) return "";
  auto value = inGroup->second.find(key);
  return value == inGroup->second.end() ? "" : value->second;
}

// An unknown escape stays as written.
std::string stringValue(std::string_view raw) {
  std::string value;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    char code = raw[i] == '\\' && i + 1 < raw.size() ? escaped(raw[i + 1]) : 0;
    value += code != 0 ? code : raw[i];
    i += code != 0 ? 1 : 0;
  }
  return value;
}

std::vector<std::string> listValue(std::string_view raw) {
  std::vector<std::string> items;
  std::string item;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\\' && i + 1 < raw.size()) {
      // "\;" is a ';' of the item; other escapes wait for stringValue.
      if (raw[i + 1] != ';') item += raw[i];
      item += raw[++i];
    } else if (raw[i] != ';') {
      item += raw[i];
    } else if (!item.empty()) {
      items.push_back(stringValue(item));
      item.clear();
    }
  }
  if (!item.empty()) items.push_back(stringValue(item));
  return items;
}
