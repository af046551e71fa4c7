// Opening the book's PDF at a printed page, for a double-click on a result
// row: which file, which PDF page, the word to find there handed on, whether
// it is the file the data sets were made from, and what the reader is told
// when it cannot be done.
#pragma once

#include <string>
#include <vector>

#include "book/book_description.h"
#include "platform/win32/win32.h"

// Shows a cp1252 message to the reader: a message box over the window, or
// standard error in the script driver.
using TellReader = void (*)(HWND dialog, const char* text);

// Where the PDF is looked for, in this order and only there: beside the
// executable (the page: beside it on its server, or where the build says);
// on Linux, where it was when this Quirel was made of another book, and
// where the book's own package installs it.
std::vector<std::string> placesToLook(const BookDescription& book);

// Shows the PDF, found in the first place that holds it, at the PDF page of
// `printedPage`, with `word` (cp1252, not empty), which stands there, for
// the viewer to find. A PDF found nowhere, or no viewer, is told; so is,
// once per file, a checksum that differs from the description's (the PDF
// still opens).
void openBookIn(const BookDescription& book, const std::vector<std::string>& places, int printedPage,
                const char* word, HWND dialog, TellReader tell);

// The same in the places to look.
void openBookAtPrintedPage(const BookDescription& book, int printedPage, const char* word, HWND dialog,
                           TellReader tell);
