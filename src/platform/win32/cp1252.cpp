#include "platform/win32/cp1252.h"

#include <cstdint>

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page is
// Latin-1, byte for code point.
constexpr char32_t upperControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// How many continuation bytes follow a lead byte, and its value bits; -1
// for a byte that cannot lead (a continuation, 0xC0, 0xC1, above 0xF4).
int continuationsAfter(unsigned char lead, char32_t& value) {
  if (lead < 0x80) return value = lead, 0;
  if (lead >= 0xC2 && lead <= 0xDF) return value = lead & 0x1Fu, 1;
  if (lead >= 0xE0 && lead <= 0xEF) return value = lead & 0x0Fu, 2;
  if (lead >= 0xF0 && lead <= 0xF4) return value = lead & 0x07u, 3;
  return -1;
}

// Overlong forms and surrogates decode to a value but are no UTF-8.
bool wellFormed(char32_t value, int continuations) {
  constexpr char32_t smallest[4] = {0, 0x80, 0x800, 0x10000};
  if (value < smallest[continuations]) return false;
  return value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
}

}  // namespace

char32_t cp1252CodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return upperControlRange[byte - 0x80];
  return byte;
}

bool cp1252Byte(char32_t codePoint, unsigned char& byte) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    byte = static_cast<unsigned char>(codePoint);
    return true;
  }
  for (unsigned i = 0; i < 32; ++i) {
    if (upperControlRange[i] == codePoint) return byte = static_cast<unsigned char>(0x80 + i), true;
  }
  return false;
}

bool decodeUtf8At(std::string_view text, std::size_t& at, char32_t& codePoint) {
  const std::size_t start = at;
  const int more = continuationsAfter(static_cast<unsigned char>(text[at++]), codePoint);
  for (int k = 0; k < more; ++k) {
    if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
      at = start + 1;  // a cut sequence: what follows its lead is read anew
      return false;
    }
    codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
  }
  if (more < 0) return false;
  return wellFormed(codePoint, more);  // an overlong form or surrogate is passed whole
}

void appendUtf8(std::string& text, char32_t c) {
  if (c < 0x80) return text.push_back(static_cast<char>(c));
  int more = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  constexpr unsigned char leadBits[4] = {0, 0xC0, 0xE0, 0xF0};
  text.push_back(static_cast<char>(leadBits[more] | (c >> (6 * more))));
  for (int k = more - 1; k >= 0; --k) text.push_back(static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F)));
}

std::string cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (char byte : cp1252) appendUtf8(out, cp1252CodePoint(static_cast<unsigned char>(byte)));
  return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t at = 0;
  while (at < utf8.size()) {
    char32_t codePoint = 0;
    unsigned char byte = '?';
    if (decodeUtf8At(utf8, at, codePoint) && cp1252Byte(codePoint, byte)) out.push_back(static_cast<char>(byte));
    else out.push_back('?');
  }
  return out;
}
