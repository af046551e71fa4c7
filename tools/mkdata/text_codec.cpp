#include "text_codec.h"

#include <glib.h>

#include <algorithm>
#include <cstdio>

namespace {

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

}  // namespace

bool decodeUtf8(const std::string& text, std::u32string& codePoints, std::size_t& badOffset) {
  codePoints.clear();
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = at;
    char32_t codePoint = 0;
    if (!decodeUtf8At(text, at, codePoint)) return badOffset = start, false;
    codePoints.push_back(codePoint);
  }
  return true;
}

std::string encodeUtf8(const std::u32string& codePoints) {
  std::string text;
  for (char32_t c : codePoints) appendUtf8(text, c);
  return text;
}

// GLib's tables are Unicode's own; poppler brings GLib along.
std::string composedUtf8(const std::string& text) {
  gchar* normal = g_utf8_normalize(text.data(), static_cast<gssize>(text.size()), G_NORMALIZE_NFC);
  if (normal == nullptr) return text;  // not UTF-8: left for the caller's checks
  std::string result = normal;
  g_free(normal);
  return result;
}

namespace {

// Whether NFC can change a character: a combining mark, a Hangul jamo, or
// one that stands for another alone (the Ångström sign for "Å").
bool composesOrChanges(char32_t c) {
  if (c < 0x300) return false;
  gunichar a = 0, b = 0;
  const auto u = static_cast<gunichar>(c);
  return g_unichar_combining_class(u) != 0 || (c >= 0x1100 && c <= 0x11FF) ||
         (g_unichar_decompose(u, &a, &b) && b == 0);
}

}  // namespace

void compose(std::u32string& text) {
  if (std::none_of(text.begin(), text.end(), composesOrChanges)) return;
  std::u32string result;
  std::size_t bad = 0;
  if (decodeUtf8(composedUtf8(encodeUtf8(text)), result, bad)) text = std::move(result);
}

unsigned char nearestCp1252Byte(char32_t codePoint) {
  unsigned char byte = 0;
  if (cp1252Byte(codePoint, byte)) return byte;
  for (const NearPair& pair : nearPairs) {
    if (pair.codePoint == codePoint) return static_cast<unsigned char>(pair.byte);
  }
  return '?';
}

bool utf8ToCp1252Exactly(const std::string& text, std::string& cp1252, std::string& reason) {
  std::u32string codePoints;
  std::size_t badOffset = 0;
  if (!decodeUtf8(text, codePoints, badOffset)) {
    reason = "ungültiges UTF-8 bei Byte " + std::to_string(badOffset);
    return false;
  }
  cp1252.clear();
  for (char32_t c : codePoints) {
    unsigned char byte = 0;
    if (!cp1252Byte(c, byte)) {
      char name[16];
      std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
      reason = std::string("das Zeichen ") + name + " gibt es in cp1252 nicht";
      return false;
    }
    cp1252 += static_cast<char>(byte);
  }
  return true;
}

std::string ruleSentence(DataRule rule) { return cp1252ToUtf8(dataRuleText(rule)); }
