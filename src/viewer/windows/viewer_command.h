// The command lines of the document viewers whose way of being told a page
// is known, and a word to find from it, as one table: a viewer is known by
// the file name of its executable, in any case. Pure, so it is tested on
// every platform.
#pragma once

#include <optional>
#include <string>

// The file name at the end of a path, in lower case (ASCII letters only; the
// known names are ASCII).
std::wstring executableName(const std::wstring& viewer);

// The whole command line that starts `viewer` (its full path) showing
// `document` (a full path, so that it can never be read as an option) at
// `page`, counted from 1, with `word` (not empty) to find from there where
// the viewer can be told one; nothing when the viewer is not in the table.
std::optional<std::wstring> commandLineAtPage(const std::wstring& viewer, const std::wstring& document, int page,
                                              const std::wstring& word);
