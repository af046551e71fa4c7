#include "text_codec.h"

#include <cstdio>

namespace {

// cp1252 bytes 0x80..0x9F; 0 where the code page leaves the byte unassigned.
constexpr char32_t windowsRange[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

struct NearPair {
  char32_t codePoint;
  char byte;
};

// Characters seen in technical text that cp1252 lacks, with their stand-in.
constexpr NearPair nearPairs[] = {
    {0x2010, '-'}, {0x2011, '-'}, {0x2012, '-'}, {0x2015, '-'}, {0x2212, '-'},
    {0x2190, '<'}, {0x2192, '>'}, {0x2191, '^'}, {0x2193, 'v'}, {0x2217, '*'},
    {0x2032, '\''}, {0x2033, '"'}, {0x00A0, ' '}, {0x2009, ' '}, {0x202F, ' '},
    {0x200B, ' '}, {0x03BC, '\xB5'}, {0x2264, '<'}, {0x2265, '>'}, {0x2248, '~'},
    {0x0100, 'A'}, {0x0101, 'a'}, {0x0106, 'C'}, {0x0107, 'c'}, {0x010C, 'C'},
    {0x010D, 'c'}, {0x0118, 'E'}, {0x0119, 'e'}, {0x011B, 'e'}, {0x0141, 'L'},
    {0x0142, 'l'}, {0x0143, 'N'}, {0x0144, 'n'}, {0x0147, 'N'}, {0x0148, 'n'},
    {0x0158, 'R'}, {0x0159, 'r'}, {0x015A, 'S'}, {0x015B, 's'}, {0x0164, 'T'},
    {0x0165, 't'}, {0x016E, 'U'}, {0x016F, 'u'}, {0x0179, 'Z'}, {0x017A, 'z'},
    {0x017B, 'Z'}, {0x017C, 'z'}, {0x0131, 'i'}, {0x1EA1, 'a'}, {0x1EA7, 'a'},
    {0x1EB9, 'e'}, {0x1EC7, 'e'}, {0x1ECD, 'o'}, {0x1EE5, 'u'}, {0x1EF3, 'y'}};

int continuationCount(unsigned char lead, char32_t& value) {
  if (lead < 0x80) { value = lead; return 0; }
  if (lead >= 0xC2 && lead <= 0xDF) { value = lead & 0x1Fu; return 1; }
  if (lead >= 0xE0 && lead <= 0xEF) { value = lead & 0x0Fu; return 2; }
  if (lead >= 0xF0 && lead <= 0xF4) { value = lead & 0x07u; return 3; }
  return -1;
}

bool wellFormed(char32_t value, int continuations) {
  constexpr char32_t smallest[4] = {0, 0x80, 0x800, 0x10000};
  if (value < smallest[continuations]) return false;
  if (value >= 0xD800 && value <= 0xDFFF) return false;
  return value <= 0x10FFFF;
}

}  // namespace

bool decodeUtf8(const std::string& text, std::u32string& codePoints, std::size_t& badOffset) {
  codePoints.clear();
  std::size_t i = 0;
  while (i < text.size()) {
    char32_t value = 0;
    const int more = continuationCount(static_cast<unsigned char>(text[i]), value);
    bool good = more >= 0 && i + static_cast<std::size_t>(more) < text.size();
    for (int k = 1; good && k <= more; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      good = (next & 0xC0u) == 0x80u;
      value = (value << 6) | (next & 0x3Fu);
    }
    if (!good || !wellFormed(value, more)) {
      badOffset = i;
      return false;
    }
    codePoints.push_back(value);
    i += static_cast<std::size_t>(more) + 1;
  }
  return true;
}

void appendUtf8(std::string& text, char32_t c) {
  if (c < 0x80) {
    text += static_cast<char>(c);
  } else if (c < 0x800) {
    text += static_cast<char>(0xC0 | (c >> 6));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    text += static_cast<char>(0xE0 | (c >> 12));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (c >> 18));
    text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string encodeUtf8(const std::u32string& codePoints) {
  std::string text;
  for (char32_t c : codePoints) appendUtf8(text, c);
  return text;
}

bool cp1252Byte(char32_t codePoint, unsigned char& byte) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    byte = static_cast<unsigned char>(codePoint);
    return true;
  }
  for (int i = 0; i < 32; ++i) {
    if (windowsRange[i] != 0 && windowsRange[i] == codePoint) {
      byte = static_cast<unsigned char>(0x80 + i);
      return true;
    }
  }
  return false;
}

char32_t cp1252CodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) {
    const char32_t mapped = windowsRange[byte - 0x80];
    return mapped != 0 ? mapped : byte;
  }
  return byte;
}

unsigned char nearestCp1252Byte(char32_t codePoint) {
  unsigned char byte = 0;
  if (cp1252Byte(codePoint, byte)) return byte;
  for (const NearPair& pair : nearPairs) {
    if (pair.codePoint == codePoint) return static_cast<unsigned char>(pair.byte);
  }
  return '?';
}

bool utf8ToCp1252(const std::string& text, std::string& cp1252, std::string& reason) {
  std::u32string codePoints;
  std::size_t badOffset = 0;
  if (!decodeUtf8(text, codePoints, badOffset)) {
    reason = "invalid UTF-8 at byte " + std::to_string(badOffset);
    return false;
  }
  cp1252.clear();
  for (char32_t c : codePoints) {
    unsigned char byte = 0;
    if (!cp1252Byte(c, byte)) {
      char name[16];
      std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
      reason = std::string("character ") + name + " has no cp1252 form";
      return false;
    }
    cp1252 += static_cast<char>(byte);
  }
  return true;
}

std::string cp1252ToUtf8(const std::string& cp1252) {
  std::string text;
  for (char c : cp1252) appendUtf8(text, cp1252CodePoint(static_cast<unsigned char>(c)));
  return text;
}
