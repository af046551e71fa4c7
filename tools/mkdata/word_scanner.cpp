#include "word_scanner.h"

#include <cassert>
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

}  // namespace

class WordScanner::Lines {
 public:
  explicit Lines(WordSink& sink) : sink_(sink) {}

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
    endPending();
    pending_ = std::move(held);
    hasPending_ = true;
  }

  // A line-end hyphen between small letters is usually a divided word, but
  // where the book writes the hyphenated form unbroken and never the joined
  // one, the hyphen was the word's own ("index-" "enable"). Every such word
  // is judged before any is taken.
  void end() {
    endPending();
    for (Divided& divided : divided_) {
      if (sink_.holds(divided.hyphenated) && !sink_.holds(divided.word.word)) divided.word.word = divided.hyphenated;
    }
    for (const Divided& divided : divided_) sink_.take(divided.word);
    divided_.clear();
  }

  std::size_t wordsScanned() const { return scanned_; }

 private:
  // A word joined where a line-end hyphen was taken out, and its form with
  // the hyphen.
  struct Divided {
    ScannedWord word;
    std::string hyphenated;
  };

  void endPending() {
    if (hasPending_) finish(pending_);
    hasPending_ = false;
  }

  void scanRuns(const BookLine& bookLine) {
    const std::u32string& text = bookLine.text;
    std::size_t i = 0;
    for (bool first = true;; first = false) {
      while (i < text.size() && runClass(text, i) == CharClass::separator) ++i;
      if (i == text.size()) break;
      const bool startsLine = first && text.find_first_not_of(U' ') == i;
      readRun(text, i, bookLine.page);
      if (hasPending_) run_ = continuePending(std::move(run_), startsLine);
      if (endsLine(text, i) && breaksWithHyphen(run_)) {
        pending_ = std::move(run_);
        hasPending_ = true;
      } else {
        finish(run_);
      }
    }
  }

  // The run of word characters from text[i] on, into run_, whose buffer
  // serves one word after the other.
  void readRun(const std::u32string& text, std::size_t& i, int page) {
    run_.chars.clear();
    run_.foreign = false;
    run_.page = page;
    run_.droppedHyphens.clear();
    for (; i < text.size(); ++i) {
      const CharClass c = runClass(text, i);
      if (c == CharClass::separator) break;
      if (c == CharClass::foreignLetter || c == CharClass::combiningMark) run_.foreign = true;
      run_.chars += text[i] == 0x2019 ? U'\'' : text[i];
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
    const ScannedWord scanned{std::move(word), run.page, scanned_++};
    const std::string hyphenated = run.droppedHyphens.empty() ? "" : withHyphens(run);
    if (hyphenated.empty()) return sink_.take(scanned);
    divided_.push_back({scanned, hyphenated});
  }

  // The run's word with its line-end hyphens put back; empty when that form
  // is too long to be indexed, and then the word counts as unbroken.
  static std::string withHyphens(const Run& run) {
    std::u32string chars = run.chars;
    for (auto at = run.droppedHyphens.rbegin(); at != run.droppedHyphens.rend(); ++at) chars.insert(*at, 1, U'-');
    return stripped(chars);
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
    std::string utf8;
    for (std::size_t i = begin; i < end; ++i) appendUtf8(utf8, chars[i]);
    return utf8;
  }

  WordSink& sink_;
  std::size_t scanned_ = 0;
  std::vector<Divided> divided_;
  Run run_;
  Run pending_;
  bool hasPending_ = false;
  int page_ = 0;
  std::unordered_set<std::u32string> pageLines_;      // the lines of the page being scanned
  std::unordered_set<std::u32string> lastPageLines_;  // and of the page before it
};

WordScanner::WordScanner(WordSink& sink) : lines_(std::make_unique<Lines>(sink)) {}

WordScanner::~WordScanner() = default;

void WordScanner::line(const BookLine& line) { lines_->line(line); }

void WordScanner::end() { lines_->end(); }

std::size_t WordScanner::wordsScanned() const { return lines_->wordsScanned(); }

namespace {

// The words in a list, in the book's order once all are taken.
class WordList : public WordSink {
 public:
  void take(const ScannedWord& word) override {
    if (word.order >= words_.size()) words_.resize(word.order + 1);
    words_[word.order] = word;
    forms_.insert(word.word);
  }
  bool holds(const std::string& form) const override { return forms_.count(form) != 0; }
  std::vector<ScannedWord>& words() { return words_; }

 private:
  std::vector<ScannedWord> words_;
  std::unordered_set<std::string> forms_;
};

}  // namespace

std::vector<ScannedWord> scanWords(const std::vector<BookLine>& lines) {
  WordList list;
  WordScanner scanner(list);
  for (const BookLine& line : lines) scanner.line(line);
  scanner.end();
  assert(list.words().size() == scanner.wordsScanned());
  return std::move(list.words());
}
