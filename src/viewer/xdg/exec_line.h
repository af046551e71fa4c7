// The Exec line of a desktop file made into an argument vector, by the
// desktop entry rules: words split at blanks, double quotes undone, then
// the field codes put in for one document.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The words of an Exec value (its string escapes already undone): blanks
// outside double quotes separate them; inside, a backslash takes the next
// '"', '`', '$' or '\' as itself. False for an unclosed quote. No shell
// ever sees them, so the other reserved characters are taken as they are.
bool execWords(std::string_view exec, std::vector<std::string>& words);

// What the field codes stand for.
struct ExecFields {
  std::string document;      // %f %F %u %U: the one document, a path or a URL
  std::string icon;          // %i: "--icon" and it, nothing when empty
  std::string name;          // %c
  std::string desktopFile;   // %k
};

// The words with their field codes put in: %% is '%'; %d %D %n %N %v %m,
// deprecated, are dropped (a word of nothing else with them). A line
// without a file or URL code gets the document after its last word.
// documentAt is the index of the word that holds the document. False for
// an unknown code, a lone '%' at a word's end or no program.
bool expandFieldCodes(const std::vector<std::string>& words, const ExecFields& fields,
                      std::vector<std::string>& argv, std::size_t& documentAt);
