#include "word_scanner.h"

#include <unordered_set>

#include "text_codec.h"

namespace {

enum class CharClass { separator, wordChar, foreignLetter, innerMark, combiningMark };

bool isSmallLetter(char32_t c) {
  return (c >= U'a' && c <= U'z') || c == U'ä' || c == U'ö' || c == U'ü' || c == U'ß';
}

bool isCapitalLetter(char32_t c) {
  return (c >= U'A' && c <= U'Z') || c == U'Ä' || c == U'Ö' || c == U'Ü';
}

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// Letters of the Latin, Greek and Cyrillic blocks that no key can hold.
bool isForeignLetter(char32_t c) {
  return c == 0xAA || c == 0xB5 || c == 0xBA || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) ||
         (c >= 0x370 && c <= 0x52F) || (c >= 0x1E00 && c <= 0x1FFF);
}

CharClass classOf(char32_t c) {
  if (isSmallLetter(c) || isCapitalLetter(c) || isDigit(c)) return CharClass::wordChar;
  if (c == U'-' || c == U'/' || c == U'\'' || c == 0x2019) return CharClass::innerMark;
  if (c >= 0x300 && c <= 0x36F) return CharClass::combiningMark;
  if (isForeignLetter(c)) return CharClass::foreignLetter;
  return CharClass::separator;
}

struct Run {
  std::u32string chars;
  bool foreign = false;     // holds a letter outside the key alphabet
  int page = 0;
  std::vector<std::size_t> droppedHyphens;  // where a line-end hyphen was taken out
};

bool isConjunction(const Run& run) {
  static const std::u32string conjunctions[] = {U"und", U"oder", U"bzw", U"sowie"};
  for (const std::u32string& word : conjunctions) {
    if (run.chars == word) return true;
  }
  return false;
}

class Scanner {
 public:
  explicit Scanner(std::vector<ScannedWord>& words) : words_(words) {}

  // A table's header repeated at the top of the next page stands between
  // a divided word and its rest: the rest comes after it.
  void line(const BookLine& bookLine) {
    notePage(bookLine);
    if (!hasPending_ || bookLine.page == pending_.page || lastPageLines_.count(bookLine.text) == 0) {
      scanRuns(bookLine);
      return;
    }
    Run held = std::move(pending_);
    hasPending_ = false;
    scanRuns(bookLine);
    end();
    pending_ = std::move(held);
    hasPending_ = true;
  }

  void end() {
    if (hasPending_) finish(pending_);
    hasPending_ = false;
  }

 private:
  void scanRuns(const BookLine& bookLine) {
    const std::u32string& text = bookLine.text;
    std::size_t i = 0;
    bool first = true;
    while (true) {
      while (i < text.size() && runClass(text, i) == CharClass::separator) ++i;
      if (i == text.size()) break;
      Run run;
      run.page = bookLine.page;
      while (i < text.size() && runClass(text, i) != CharClass::separator) {
        const CharClass c = runClass(text, i);
        if (c == CharClass::foreignLetter || c == CharClass::combiningMark) run.foreign = true;
        run.chars += text[i] == 0x2019 ? U'\'' : text[i];
        ++i;
      }
      const bool startsLine = first && text.find_first_not_of(U' ') == i - run.chars.size();
      first = false;
      if (hasPending_) run = continuePending(std::move(run), startsLine);
      if (endsLine(text, i) && breaksWithHyphen(run)) {
        pending_ = std::move(run);
        hasPending_ = true;
      } else {
        finish(run);
      }
    }
  }

  void notePage(const BookLine& bookLine) {
    if (bookLine.page != page_) {
      lastPageLines_ = std::move(pageLines_);
      pageLines_.clear();
      page_ = bookLine.page;
    }
    pageLines_.insert(bookLine.text);
  }

  static CharClass runClass(const std::u32string& text, std::size_t i) {
    const CharClass c = classOf(text[i]);
    if (c != CharClass::combiningMark) return c;
    // A mark belongs to the letter before it; on its own it is just a sign.
    if (i == 0) return CharClass::separator;
    const CharClass before = classOf(text[i - 1]);
    return before == CharClass::wordChar || before == CharClass::foreignLetter ||
                   before == CharClass::combiningMark
               ? CharClass::combiningMark
               : CharClass::separator;
  }

  static bool endsLine(const std::u32string& text, std::size_t end) {
    return text.find_first_not_of(U' ', end) == std::u32string::npos;
  }

  static bool breaksWithHyphen(const Run& run) {
    const std::size_t n = run.chars.size();
    return n >= 2 && run.chars[n - 1] == U'-' && classOf(run.chars[n - 2]) == CharClass::wordChar;
  }

  Run continuePending(Run next, bool startsLine) {
    hasPending_ = false;
    Run joined = std::move(pending_);
    const char32_t after = next.chars.front();
    if (!startsLine || classOf(after) != CharClass::wordChar || isConjunction(next)) {
      finish(joined);
      return next;
    }
    const char32_t before = joined.chars[joined.chars.size() - 2];
    if (isSmallLetter(after) && !isDigit(before)) {
      joined.chars.pop_back();
      joined.droppedHyphens.push_back(joined.chars.size());
    }
    joined.chars += next.chars;
    joined.foreign = joined.foreign || next.foreign;
    return joined;
  }

  void finish(const Run& run) {
    if (run.foreign) return;
    std::string word = stripped(run.chars);
    if (word.empty()) return;
    std::string hyphenated;
    if (!run.droppedHyphens.empty()) {
      std::u32string chars = run.chars;
      for (auto at = run.droppedHyphens.rbegin(); at != run.droppedHyphens.rend(); ++at)
        chars.insert(*at, 1, U'-');
      hyphenated = stripped(chars);
    }
    words_.push_back({std::move(word), run.page, std::move(hyphenated)});
  }

  // The word without its leading and trailing marks; empty when it is too
  // short or too long to be indexed.
  static std::string stripped(const std::u32string& chars) {
    std::size_t begin = 0;
    std::size_t end = chars.size();
    while (begin < end && classOf(chars[begin]) == CharClass::innerMark) ++begin;
    while (end > begin && (chars[end - 1] == U'/' || chars[end - 1] == U'\'')) --end;
    const std::size_t length = end - begin;
    if (length < shortestWord || length > longestWord) return "";
    return encodeUtf8(chars.substr(begin, length));
  }

  std::vector<ScannedWord>& words_;
  Run pending_;
  bool hasPending_ = false;
  int page_ = 0;
  std::unordered_set<std::u32string> pageLines_;      // the lines of the page being scanned
  std::unordered_set<std::u32string> lastPageLines_;  // and of the page before it
};

// A line-end hyphen between small letters is usually a divided word, but
// where the book writes the hyphenated form unbroken and never the joined
// one, the hyphen was the word's own ("index-" "enable").
void keepHyphensTheBookShows(std::vector<ScannedWord>& words) {
  std::unordered_set<std::string> unbroken;
  for (const ScannedWord& word : words) {
    if (word.hyphenated.empty()) unbroken.insert(word.word);
  }
  for (ScannedWord& word : words) {
    if (!word.hyphenated.empty() && unbroken.count(word.hyphenated) != 0 && unbroken.count(word.word) == 0)
      word.word = word.hyphenated;
    word.hyphenated.clear();
  }
}

}  // namespace

std::vector<ScannedWord> scanWords(const std::vector<BookLine>& lines) {
  std::vector<ScannedWord> words;
  Scanner scanner(words);
  for (const BookLine& line : lines) scanner.line(line);
  scanner.end();
  keepHyphensTheBookShows(words);
  return words;
}
