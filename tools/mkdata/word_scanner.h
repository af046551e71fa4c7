// Cutting the book's lines into the words that are indexed.
//
// A word is a run of letters (with umlauts and ß), digits and the inner
// marks - / and '; the typographic apostrophe counts as '. Leading - / '
// and trailing / ' are stripped; a trailing - stays ("Ein-" of
// "Ein- und Ausgabe"). A word that ends a line with a hyphen is joined to
// the first word of the next line: without the hyphen when a letter stands
// before it and a small letter follows ("Konfigura-" "tion"), with it
// otherwise ("Werkzeug-" "Länge", "RS-" "274"), and also where the book
// writes the hyphenated form unbroken elsewhere but never the joined one
// ("index-" "enable"); not at all when the next word is a conjunction
// ("Ein-" "und"). A run that holds a letter outside
// the key alphabet (é, µ, Greek) is dropped whole, as is every word shorter
// than 2 or longer than 40 characters.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// One line of the book's indexed text, with the printed page it stands on.
struct BookLine {
  int page;                 // printed page number
  std::u32string text;
};

constexpr std::size_t shortestWord = 2;
constexpr std::size_t longestWord = 40;

struct ScannedWord {
  std::string word;         // UTF-8; only ASCII letters, digits, - / ' and äöüÄÖÜß
  int page;                 // where the word begins
  std::size_t order;        // its place among the book's words, from 0
};

// Where the scanner's words go, one by one. A word joined at a line-end
// hyphen comes last, once the book is scanned: only then can the book say
// whether it writes the hyphenated form unbroken.
class WordSink {
 public:
  virtual ~WordSink() = default;
  virtual void take(const ScannedWord& word) = 0;
  // Whether a word taken so far has this form.
  virtual bool holds(const std::string& form) const = 0;
};

// The book's lines, in the book's order, to words; the words go to the sink
// as they are found.
class WordScanner {
 public:
  explicit WordScanner(WordSink& sink);
  ~WordScanner();
  WordScanner(const WordScanner&) = delete;
  WordScanner& operator=(const WordScanner&) = delete;

  void line(const BookLine& line);
  void end();                          // after the book's last line
  std::size_t wordsScanned() const;

 private:
  class Lines;
  std::unique_ptr<Lines> lines_;
};

// The words of a few lines at once, in the book's order.
std::vector<ScannedWord> scanWords(const std::vector<BookLine>& lines);
