#include "platform/win32/cp1252.h"

#include <cstdint>

namespace {

// Code points of the bytes 0x80 to 0x9F. The five bytes cp1252 leaves
// undefined stand for the C1 control of the same number, as Windows maps them.
constexpr char32_t upperControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return upperControlRange[byte - 0x80];
  return byte;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char byteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (unsigned i = 0; i < 32; ++i) {
    if (upperControlRange[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

// Decodes one UTF-8 sequence at `at`; on a malformed one, consumes one byte
// and answers a code point no cp1252 byte has.
char32_t decodeOne(std::string_view text, std::size_t& at) {
  constexpr char32_t malformed = 0xFFFD;
  unsigned char lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  int more = lead >= 0xF0 && lead <= 0xF4 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
  if (more < 0 || lead > 0xF4) return malformed;
  char32_t c = lead & (0x3F >> more);
  std::size_t start = at;
  for (int i = 0; i < more; ++i) {
    if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
      at = start;
      return malformed;
    }
    c = (c << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
  }
  bool overlong = (more == 2 && c < 0x800) || (more == 3 && c < 0x10000);
  bool invalid = c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF);
  return overlong || invalid ? malformed : c;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (char byte : cp1252) appendUtf8(out, codePointOf(static_cast<unsigned char>(byte)));
  return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t at = 0;
  while (at < utf8.size()) out += byteOf(decodeOne(utf8, at));
  return out;
}
