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

// A field of decimal digits; the range is the data-set rules' to judge.
bool parseNumber(const std::string& text, int& value) {
  if (text.empty() || text.size() > 5) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

bool refuse(std::string& reason, std::string why) {
  reason = std::move(why);
  return false;
}

// Pages in any order; the producer sorts them and drops repeats.
bool parsePages(const std::string& field, std::vector<int>& pages, std::string& reason) {
  if (field.empty()) return refuse(reason, "keine Seiten");
  for (const std::string& item : splitFields(field, ',')) {
    int page = 0;
    if (!parseNumber(item, page)) return refuse(reason, "Seite \"" + item + "\" ist keine Zahl");
    pages.push_back(page);
  }
  return true;
}

// The list's own limits on a word (those of the word scanner); the data
// sets' rules on keys and pages are checked when it is packed.
bool parseWordLine(const std::string& line, ProducerWord& word, std::string& key,
                   std::string& reason) {
  const std::vector<std::string> fields = splitFields(line, '\t');
  if (fields.size() != 2) return refuse(reason, "erwartet: ein Wort und seine Seiten, getrennt durch einen Tabulator");
  if (!utf8ToCp1252Exactly(fields[0], word.displayWord, reason)) return false;
  if (word.displayWord.empty()) return refuse(reason, "leeres Wort");
  if (!keyOfWord(word.displayWord, key)) return refuse(reason, ruleSentence(DataRule::displayWordCharacter));
  if (key.size() < shortestWord || key.size() > longestWord) {
    return refuse(reason, "das Wort hat " + std::to_string(key.size()) + " Zeichen, nicht " +
                              std::to_string(shortestWord) + " bis " + std::to_string(longestWord));
  }
  return parsePages(fields[1], word.pages, reason);
}

bool parseHeadingLine(const std::string& line, ProducerHeading& heading, std::string& reason) {
  const std::vector<std::string> fields = splitFields(line, '\t');
  if (fields.size() > 3) return refuse(reason, "der Titel enthält einen Tabulator");
  if (fields.size() != 3) return refuse(reason, "erwartet: Seite, Ebene und Titel, getrennt durch Tabulatoren");
  if (!parseNumber(fields[0], heading.page)) return refuse(reason, "Seite \"" + fields[0] + "\" ist keine Zahl");
  if (!parseNumber(fields[1], heading.level)) return refuse(reason, "Ebene \"" + fields[1] + "\" ist keine Zahl");
  if (!utf8ToCp1252Exactly(fields[2], heading.title, reason)) return false;
  if (heading.title.empty()) return refuse(reason, "leerer Titel");
  return true;
}

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
      errors.push_back(where + "derselbe Schlüssel wie Zeile " + std::to_string(known->second));
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
  const std::vector<std::string> lines = splitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    ProducerHeading heading{};
    std::string reason;
    if (!parseHeadingLine(lines[i], heading, reason)) {
      errors.push_back(name + ":" + std::to_string(i + 1) + ": " + reason);
      continue;
    }
    headings.push_back(std::move(heading));
    lineOf.push_back(i + 1);
  }
  return errors.empty();
}

namespace {

template <typename Item>
using ListReader = bool (*)(const std::string&, const std::string&, std::vector<Item>&,
                            std::vector<std::size_t>&, std::vector<std::string>&);
template <typename Item>
using ListProducer = bool (*)(const std::vector<Item>&, std::vector<unsigned char>&, ProducerError&);

template <typename Item>
bool packList(const std::string& text, const std::string& name, ListReader<Item> read,
              ListProducer<Item> produce, std::string& bytes, std::vector<std::string>& errors) {
  std::vector<Item> items;
  std::vector<std::size_t> lineOf;
  std::vector<std::string> lineErrors;
  if (!read(text, name, items, lineOf, lineErrors)) {
    errors.insert(errors.end(), lineErrors.begin(), lineErrors.end());
    return false;
  }
  std::vector<unsigned char> packed;
  ProducerError fault{};
  if (!produce(items, packed, fault)) {
    errors.push_back(name + ":" + std::to_string(lineOf.at(fault.item)) + ": " + ruleSentence(fault.rule));
    return false;
  }
  bytes.assign(packed.begin(), packed.end());
  return true;
}

}  // namespace

bool packWordList(const std::string& text, const std::string& name, std::string& bytes,
                  std::vector<std::string>& errors) {
  return packList<ProducerWord>(text, name, readWordsTsv, produceWordIndex, bytes, errors);
}

bool packHeadingList(const std::string& text, const std::string& name, std::string& bytes,
                     std::vector<std::string>& errors) {
  return packList<ProducerHeading>(text, name, readHeadingsTsv, produceHeadingTable, bytes, errors);
}
