// A heading as its page prints it. An outline (or a contents page) names a
// heading by its title, often without its number and sometimes without its
// umlauts ("Tonhohen"); the page prints it whole: "2.1 Eine Quelldatei
// übersetzen", "A.1 Das Debian-Labyrinth", or "Kapitel 3" on the line above
// the title. The title is found among the page's lines by its letters and
// digits alone (case, marks on letters, punctuation and line breaks set
// aside); it must end its line, and what stands before it on the line (or,
// when nothing does, the line above) must be a heading's number. The first
// such line with a number is taken, else the first that begins with the
// title's own first character (not "path." ending a sentence for "Path").
#pragma once

#include <string>

#include "pdf_document.h"

// The heading's number and title as the page prints them, UTF-8, blanks
// collapsed; false when the page does not print the title as a heading.
bool findPrintedHeading(const std::string& title, const PdfPage& page, std::string& printed);

// "3", "2.1", "1.2.3.", "A", "A.1", "IV", "Kapitel 3", "KAPITEL 3",
// "Anhang A", "Teil II", with or without a closing ":".
bool isHeadingNumber(const std::u32string& text);
