#include "viewer/percent_encoding.h"

namespace {

bool isUnreserved(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
         byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

}  // namespace

std::string percentEncoded(std::string_view bytes, std::string_view alsoKept) {
  static const char hex[] = "0123456789ABCDEF";
  std::string encoded;
  for (char c : bytes) {
    auto byte = static_cast<unsigned char>(c);
    if (isUnreserved(byte) || alsoKept.find(c) != std::string_view::npos) {
      encoded += c;
    } else {
      encoded += {'%', hex[byte >> 4], hex[byte & 15]};
    }
  }
  return encoded;
}
