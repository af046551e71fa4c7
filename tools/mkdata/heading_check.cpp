#include "heading_check.h"

#include <map>

#include "text_codec.h"

namespace {

constexpr std::size_t comparedLength = 24;  // long titles wrap; their start suffices

// Typeset text shows curly quotes where an outline has straight ones.
std::string comparable(const std::string& text) {
  std::string plain;
  for (std::size_t i = text.find_first_not_of(' '); i < text.size(); ++i) {
    if (text.compare(i, 2, "\xE2\x80") == 0 && i + 2 < text.size() &&
        (text[i + 2] == '\x9C' || text[i + 2] == '\x9D' || text[i + 2] == '\x9E')) {
      plain += '"';
      i += 2;
    } else {
      plain += text[i];
    }
  }
  return plain;
}

bool beginsWith(const std::string& line, const std::string& start) {
  const std::string head = start.substr(0, comparedLength);
  return line.compare(0, head.size(), head) == 0 || (line.size() >= 8 && head.compare(0, line.size(), line) == 0);
}

bool printedOn(const OutlineHeading& heading, const std::vector<std::string>& pageLines) {
  const std::string title = comparable(heading.title);
  const std::string bare = title.substr(title.find(' ') + 1);
  std::string number = title.substr(0, title.find(' '));
  if (number.back() == '.') number.pop_back();
  for (const std::string& line : pageLines) {
    if (beginsWith(line, bare) || beginsWith(line, number + " " + bare)) return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> headingsNotOnTheirPage(const std::vector<OutlineHeading>& headings,
                                                const std::vector<BookLine>& lines) {
  std::map<int, std::vector<std::string>> pageLines;
  for (const BookLine& line : lines) pageLines[line.page].push_back(comparable(encodeUtf8(line.text)));
  std::vector<std::string> notes;
  for (const OutlineHeading& heading : headings) {
    if (!printedOn(heading, pageLines[heading.page]))
      notes.push_back("heading \"" + heading.title + "\" is not printed on page " + std::to_string(heading.page));
  }
  return notes;
}
