#include "outline_reader.h"

#include <cstdio>

#include "text_codec.h"

namespace {

struct OutlineEntry {
  int depth = 0;
  std::string title;
  int pdfPage = 0;
};

bool unquote(const std::string& line, std::size_t& i, std::string& title, std::string& reason) {
  if (i >= line.size() || line[i] != '"') {
    reason = "title does not begin with a quote";
    return false;
  }
  for (++i; i < line.size() && line[i] != '"'; ++i) {
    if (line[i] != '\\') {
      title += line[i];
      continue;
    }
    if (++i == line.size()) break;
    switch (line[i]) {
      case '"': case '\\': title += line[i]; break;
      case 'n': title += '\n'; break;
      case 'r': title += '\r'; break;
      case 't': title += '\t'; break;
      default: reason = std::string("unknown escape \\") + line[i]; return false;
    }
  }
  if (i >= line.size()) {
    reason = "title has no closing quote";
    return false;
  }
  ++i;
  return true;
}

bool parseEntry(const std::string& line, OutlineEntry& entry, std::string& reason) {
  std::size_t i = line.empty() || line[0] == '\t' ? 0 : 1;
  while (i < line.size() && line[i] == '\t') {
    ++entry.depth;
    ++i;
  }
  if (entry.depth == 0) {
    reason = "no tab before the title";
    return false;
  }
  if (!unquote(line, i, entry.title, reason)) return false;
  const std::string target = "\t#page=";
  if (line.compare(i, target.size(), target) != 0) {
    reason = "no \"#page=\" after the title";
    return false;
  }
  i += target.size();
  const std::size_t digits = i;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9' && entry.pdfPage < 100000)
    entry.pdfPage = entry.pdfPage * 10 + (line[i++] - '0');
  if (i == digits || (i < line.size() && line[i] != '&')) {
    reason = "page is not a number";
    return false;
  }
  return true;
}

std::string describe(char32_t c) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
  return name;
}

// Characters cp1252 cannot hold and control characters give way to their
// nearest stand-in; each replacement is noted.
std::string cleanTitle(const std::u32string& title, const std::string& where,
                       std::vector<std::string>& notes) {
  std::string cleaned;
  for (char32_t c : title) {
    unsigned char byte = 0;
    const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
    if (!control && cp1252Byte(c, byte)) {
      appendUtf8(cleaned, c);
      continue;
    }
    byte = control ? ' ' : nearestCp1252Byte(c);
    appendUtf8(cleaned, cp1252CodePoint(byte));
    notes.push_back(where + ": " + describe(c) + " replaced by \"" +
                    cp1252ToUtf8(std::string(1, static_cast<char>(byte))) + "\"");
  }
  const std::size_t begin = cleaned.find_first_not_of(' ');
  if (begin == std::string::npos) return "";
  return cleaned.substr(begin, cleaned.find_last_not_of(' ') - begin + 1);
}

class Numbering {
 public:
  // The number as the book prints it before the title; empty for the
  // entries that are not headings.
  std::string next(int depth) {
    if (depth == 2) {
      ++chapter_;
      section_ = subsection_ = 0;
      return std::to_string(chapter_) + ".";
    }
    if (depth == 3) {
      ++section_;
      subsection_ = 0;
      return std::to_string(chapter_) + "." + std::to_string(section_);
    }
    if (depth == 4) {
      ++subsection_;
      return std::to_string(chapter_) + "." + std::to_string(section_) + "." +
             std::to_string(subsection_);
    }
    return "";
  }

 private:
  int chapter_ = 0;
  int section_ = 0;
  int subsection_ = 0;
};

}  // namespace

bool readOutline(const std::string& text, const std::string& name, PageRange range,
                 std::vector<OutlineHeading>& headings, std::vector<std::string>& notes,
                 std::string& error) {
  headings.clear();
  Numbering numbering;
  std::size_t start = 0;
  for (int lineNumber = 1; start < text.size(); ++lineNumber) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    const std::string where = name + ":" + std::to_string(lineNumber);
    OutlineEntry entry;
    std::string reason;
    std::u32string title;
    std::size_t badOffset = 0;
    if (!parseEntry(line, entry, reason)) {
      error = where + ": " + reason;
      return false;
    }
    if (!decodeUtf8(entry.title, title, badOffset)) {
      error = where + ": invalid UTF-8 in the title";
      return false;
    }
    const std::string number = numbering.next(entry.depth);
    if (number.empty()) continue;
    if (entry.pdfPage < range.firstPdfPage || entry.pdfPage > range.lastPdfPage) {
      notes.push_back(where + ": heading " + number + " lies outside the indexed pages; dropped");
      continue;
    }
    headings.push_back({entry.pdfPage - range.firstPdfPage + 1, entry.depth - 1,
                        number + " " + cleanTitle(title, where, notes)});
  }
  return true;
}
