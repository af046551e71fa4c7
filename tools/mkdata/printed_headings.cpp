#include "printed_headings.h"

#include <glib.h>

#include <algorithm>
#include <cassert>
#include <vector>

#include "text_codec.h"

namespace {

constexpr std::size_t linesATitleSpans = 3;

// A text reduced to what survives an outline's loss of marks: small letters
// without their marks ("ü" -> "u", "ß" -> "ss") and digits, each with the
// place in the text it came from.
struct Folded {
  std::u32string letters;
  std::vector<std::size_t> from;
};

void foldInto(char32_t c, std::size_t at, Folded& folded) {
  if (c < 0x80) {
    const bool small = c >= U'a' && c <= U'z';
    const bool capital = c >= U'A' && c <= U'Z';
    if (small || capital || (c >= U'0' && c <= U'9')) folded.letters += capital ? c + 32 : c, folded.from.push_back(at);
    return;
  }
  if (c == U'ß' || c == 0x1E9E) {
    folded.letters += U"ss";
    folded.from.insert(folded.from.end(), {at, at});
    return;
  }
  gunichar parts[4] = {};
  const gsize count = g_unichar_fully_decompose(static_cast<gunichar>(c), FALSE, parts, 4);
  const gunichar base = count > 0 ? parts[0] : static_cast<gunichar>(c);
  if (!g_unichar_isalnum(base)) return;
  folded.letters += static_cast<char32_t>(g_unichar_tolower(base));
  folded.from.push_back(at);
}

Folded folded(const std::u32string& text) {
  Folded result;
  for (std::size_t i = 0; i < text.size(); ++i) foldInto(text[i], i, result);
  return result;
}

std::u32string trimmed(const std::u32string& text) {
  const std::size_t begin = text.find_first_not_of(U" \t");
  if (begin == std::u32string::npos) return U"";
  return text.substr(begin, text.find_last_not_of(U" \t") - begin + 1);
}

std::u32string collapsed(const std::u32string& text) {
  std::u32string result;
  for (char32_t c : text) {
    const bool blank = c == U' ' || c == U'\t' || c == 0xA0;
    if (blank && (result.empty() || result.back() == U' ')) continue;
    result += blank ? U' ' : c;
  }
  return trimmed(result);
}

bool isNumberToken(const std::u32string& token) {
  if (token.empty()) return false;
  std::u32string t = token;
  if (t.back() == U':' || t.back() == U'.') t.pop_back();
  if (t.empty()) return false;
  const bool roman = t.find_first_not_of(U"IVXLC") == std::u32string::npos && t.size() <= 5;
  const bool letter = t[0] >= U'A' && t[0] <= U'Z' && (t.size() == 1 || t[1] == U'.');
  const bool digit = t[0] >= U'0' && t[0] <= U'9';
  if (roman) return true;
  if (!letter && !digit) return false;
  for (std::size_t i = 1; i < t.size(); ++i) {
    const bool ok = (t[i] >= U'0' && t[i] <= U'9') || (t[i] == U'.' && t[i - 1] != U'.');
    if (!ok) return false;
  }
  return true;
}

bool isNumberWord(const std::u32string& word) {
  static const std::u32string words[] = {U"kapitel", U"anhang", U"teil", U"chapter", U"appendix", U"part"};
  std::u32string low;
  for (char32_t c : word) low += static_cast<char32_t>(g_unichar_tolower(static_cast<gunichar>(c)));
  return std::find(std::begin(words), std::end(words), low) != std::end(words);
}

// The title's place in a run of lines: where it begins in the text and
// whether its letters run to the text's end.
struct Match {
  std::size_t begin = 0;
  bool found = false;
};

Match titleAtEnd(const std::u32string& text, const std::u32string& titleLetters) {
  const Folded f = folded(text);
  if (titleLetters.empty() || f.letters.size() < titleLetters.size()) return {};
  const std::size_t at = f.letters.size() - titleLetters.size();
  if (f.letters.compare(at, std::u32string::npos, titleLetters) != 0) return {};
  std::size_t begin = f.from[at];
  // An opening quote or bracket belongs to the title.
  while (begin > 0 && text[begin - 1] != U' ' && !g_unichar_isalnum(text[begin - 1])) --begin;
  return {begin, true};
}

// A quick look before the line by line one: the title's letters somewhere.
bool pageHolds(const PdfPage& page, const std::u32string& titleLetters) {
  std::u32string text;
  for (const std::u32string& line : page.lines) text += line;
  return folded(text).letters.find(titleLetters) != std::u32string::npos;
}

// Lines first..last as one: a word divided at a line's end made whole, its
// hyphen kept where the title has it ("stable-" "backports").
std::u32string joinedLines(const PdfPage& page, std::size_t first, std::size_t last, const std::u32string& title) {
  std::u32string joined = trimmed(page.lines[first]);
  for (std::size_t i = first + 1; i <= last; ++i) {
    const std::u32string next = trimmed(page.lines[i]);
    const bool hyphen = joined.size() >= 2 && (joined.back() == U'-' || joined.back() == 0xAD) &&
                        g_unichar_isalpha(joined[joined.size() - 2]) && !next.empty();
    const std::u32string nextWord = next.substr(0, next.find(U' '));
    const bool divided = hyphen && g_unichar_islower(next.front()) && title.find(U"-" + nextWord) == std::u32string::npos;
    if (divided || (hyphen && joined.back() == 0xAD)) joined.pop_back();
    joined += (hyphen ? U"" : U" ") + next;
  }
  return joined;
}

// The heading from lines first..last of the page, the title's letters at
// their end; false when what stands before the title is no number.
bool headingFrom(const PdfPage& page, std::size_t first, const std::u32string& joined, const Match& match,
                 std::u32string& heading) {
  const std::u32string before = trimmed(joined.substr(0, match.begin));
  const std::u32string title = collapsed(joined.substr(match.begin));
  if (before.empty()) {
    const std::u32string above = first > 0 ? collapsed(page.lines[first - 1]) : U"";
    const bool folio = encodeUtf8(above) == page.label;
    heading = isHeadingNumber(above) && !folio ? above + U" " + title : title;
    return true;
  }
  if (!isHeadingNumber(collapsed(before))) return false;
  heading = collapsed(before) + U" " + title;
  return true;
}

}  // namespace

bool isHeadingNumber(const std::u32string& text) {
  const std::u32string t = collapsed(text);
  const std::size_t blank = t.find(U' ');
  if (blank == std::u32string::npos) return isNumberToken(t);
  return t.find(U' ', blank + 1) == std::u32string::npos && isNumberWord(t.substr(0, blank)) &&
         isNumberToken(t.substr(blank + 1));
}

bool findPrintedHeading(const std::string& title, const PdfPage& page, std::string& printed) {
  std::u32string decoded;
  std::size_t bad = 0;
  if (!decodeUtf8(title, decoded, bad)) return false;
  const std::u32string titleLetters = folded(decoded).letters;
  if (titleLetters.size() < 2 || !pageHolds(page, titleLetters)) return false;
  // The fewest lines that end with the title, so that a line above it (the
  // page's number, say) is not taken for part of it; the first with a
  // number, else the first that begins as the title does.
  std::u32string plain;
  for (std::size_t last = 0; last < page.lines.size(); ++last) {
    for (std::size_t first = last + 1; first-- > 0 && last - first < linesATitleSpans;) {
      const std::u32string joined = joinedLines(page, first, last, decoded);
      const Match match = titleAtEnd(joined, titleLetters);
      std::u32string heading;
      if (!match.found || !headingFrom(page, first, joined, match, heading)) continue;
      if (heading != collapsed(joined.substr(match.begin))) return printed = encodeUtf8(heading), true;
      if (plain.empty() && heading.front() == decoded.front()) plain = heading;
      break;
    }
  }
  printed = encodeUtf8(plain);
  return !plain.empty();
}
