#include "tsv_files.h"

#include <map>

#include "index/word_index.h"
#include "text_codec.h"
#include "word_scanner.h"

namespace {

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> splitFields(const std::string& line, char separator) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == separator) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

bool parseNumber(const std::string& text, int lowest, int highest, int& value) {
  if (text.empty() || text.size() > 5) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value >= lowest && value <= highest;
}

bool hasControlCharacter(const std::string& cp1252) {
  for (char c : cp1252) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || (byte >= 0x80 && byte < 0xA0 && cp1252CodePoint(byte) == byte))
      return true;
  }
  return false;
}

// Pages must already be in the form the data set stores them: ascending,
// each once, each a valid page-map index.
bool parsePages(const std::string& field, std::vector<int>& pages, std::string& reason) {
  if (field.empty()) {
    reason = "no pages";
    return false;
  }
  for (const std::string& item : splitFields(field, ',')) {
    int page = 0;
    if (!parseNumber(item, 0, pageLimit - 1, page)) {
      reason = "page \"" + item + "\" is not a number from 0 to " + std::to_string(pageLimit - 1);
      return false;
    }
    if (!pages.empty() && page <= pages.back()) {
      reason = "page " + item + " does not follow " + std::to_string(pages.back()) + " in ascending order";
      return false;
    }
    pages.push_back(page);
  }
  return true;
}

bool parseWordLine(const std::string& line, ProducerWord& word, std::string& key,
                   std::string& reason) {
  const std::vector<std::string> fields = splitFields(line, '\t');
  if (fields.size() != 2) {
    reason = "expected a word and its pages separated by one tab";
    return false;
  }
  if (!utf8ToCp1252(fields[0], word.displayWord, reason)) return false;
  if (word.displayWord.empty()) {
    reason = "empty word";
    return false;
  }
  if (!keyOfWord(word.displayWord, key)) {
    reason = "word holds a character outside the key alphabet";
    return false;
  }
  if (key.size() < shortestWord || key.size() > longestWord) {
    reason = "word has " + std::to_string(key.size()) + " characters, not " +
             std::to_string(shortestWord) + " to " + std::to_string(longestWord);
    return false;
  }
  return parsePages(fields[1], word.pages, reason);
}

bool parseHeadingLine(const std::string& line, ProducerHeading& heading, std::string& reason) {
  const std::vector<std::string> fields = splitFields(line, '\t');
  if (fields.size() > 3) {
    reason = "title contains a tab";
    return false;
  }
  if (fields.size() != 3) {
    reason = "expected page, level and title separated by tabs";
    return false;
  }
  if (!parseNumber(fields[0], 1, pageLimit - 1, heading.page)) {
    reason = "page \"" + fields[0] + "\" is not a number from 1 to " + std::to_string(pageLimit - 1);
    return false;
  }
  if (!parseNumber(fields[1], 1, 3, heading.level)) {
    reason = "level \"" + fields[1] + "\" is not 1, 2 or 3";
    return false;
  }
  if (!utf8ToCp1252(fields[2], heading.title, reason)) return false;
  if (heading.title.empty()) {
    reason = "empty title";
    return false;
  }
  if (hasControlCharacter(heading.title)) {
    reason = "title contains a control character";
    return false;
  }
  return true;
}

// The rules that tie a heading to those before it.
class HeadingSequence {
 public:
  bool accept(const ProducerHeading& heading, std::string& reason) {
    if (heading.page < lastPage_) {
      reason = "page " + std::to_string(heading.page) + " lies before the previous heading's page " +
               std::to_string(lastPage_);
      return false;
    }
    if (heading.level == 3 && level_ < 2) {
      reason = "subsection without a section before it";
      return false;
    }
    if (heading.level > 1 && level_ == 0) {
      reason = "the first heading is not a chapter";
      return false;
    }
    trail_.resize(static_cast<std::size_t>(heading.level - 1));
    trail_.push_back(heading.title.size());
    std::size_t total = 0;
    for (std::size_t length : trail_) total += length;
    if (total > longestTrail) {
      reason = "chapter, section and subsection titles have " + std::to_string(total) +
               " characters together, more than " + std::to_string(longestTrail);
      return false;
    }
    lastPage_ = heading.page;
    level_ = heading.level;
    return true;
  }

 private:
  int lastPage_ = 0;
  int level_ = 0;
  std::vector<std::size_t> trail_;
};

}  // namespace

std::string wordsTsv(const std::vector<TalliedWord>& words) {
  std::string text;
  for (const TalliedWord& word : words) {
    text += word.displayWord;
    char separator = '\t';
    for (int page : word.pages) {
      text += separator;
      text += std::to_string(page);
      separator = ',';
    }
    text += '\n';
  }
  return text;
}

std::string headingsTsv(const std::vector<OutlineHeading>& headings) {
  std::string text;
  for (const OutlineHeading& heading : headings) {
    text += std::to_string(heading.page) + '\t' + std::to_string(heading.level) + '\t' +
            heading.title + '\n';
  }
  return text;
}

bool readWordsTsv(const std::string& text, const std::string& name,
                  std::vector<ProducerWord>& words, std::vector<std::size_t>& lineOf,
                  std::vector<std::string>& errors) {
  std::map<std::string, std::size_t> lineOfKey;
  const std::vector<std::string> lines = splitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string where = name + ":" + std::to_string(i + 1) + ": ";
    ProducerWord word;
    std::string key;
    std::string reason;
    if (!parseWordLine(lines[i], word, key, reason)) {
      errors.push_back(where + reason);
      continue;
    }
    const auto [known, added] = lineOfKey.emplace(key, i + 1);
    if (!added) {
      errors.push_back(where + "same key as line " + std::to_string(known->second));
      continue;
    }
    words.push_back(std::move(word));
    lineOf.push_back(i + 1);
  }
  return errors.empty();
}

bool readHeadingsTsv(const std::string& text, const std::string& name,
                     std::vector<ProducerHeading>& headings, std::vector<std::size_t>& lineOf,
                     std::vector<std::string>& errors) {
  HeadingSequence sequence;
  const std::vector<std::string> lines = splitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    ProducerHeading heading{};
    std::string reason;
    if (!parseHeadingLine(lines[i], heading, reason) || !sequence.accept(heading, reason)) {
      errors.push_back(name + ":" + std::to_string(i + 1) + ": " + reason);
      continue;
    }
    headings.push_back(std::move(heading));
    lineOf.push_back(i + 1);
  }
  return errors.empty();
}
