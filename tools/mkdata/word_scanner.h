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
  std::string hyphenated;   // while scanning: the form with its line-end hyphens kept
};

std::vector<ScannedWord> scanWords(const std::vector<BookLine>& lines);
