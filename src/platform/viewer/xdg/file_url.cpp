#include "platform/viewer/xdg/file_url.h"

#include <cassert>

namespace {

bool isKeptAsIs(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~' || c == '/';
}

}  // namespace

std::string fileUrlOf(std::string_view absolutePath) {
  assert(!absolutePath.empty() && absolutePath[0] == '/');
  static const char hex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (char c : absolutePath) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (isKeptAsIs(byte)) url += c;
    else url += {'%', hex[byte >> 4], hex[byte & 15]};
  }
  return url;
}
