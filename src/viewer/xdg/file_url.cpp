#include "viewer/xdg/file_url.h"

#include <cassert>

#include "viewer/percent_encoding.h"

std::string fileUrlOfPosixPath(std::string_view absolutePath) {
  assert(!absolutePath.empty() && absolutePath[0] == '/');
  return "file://" + percentEncoded(absolutePath, "/");
}
