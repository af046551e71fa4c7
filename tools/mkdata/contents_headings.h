// A book without an outline names its chapters and sections on its own
// contents pages. Two kinds are read: pages of dot-leader entries ("2.1
// Spindeln . . . . 14"), each entry leading to the PDF page of its printed
// page; and a contents list under a line "Inhaltsverzeichnis", "Inhalt",
// "Table of Contents" or "Contents" whose entries carry numbers but no pages
// (a web page printed), each entry found on the first page after the list
// that prints it as a heading. An entry's level is the depth of its number
// ("2" or "B" a chapter, "2.1" a section, "2.1.3" a subsection); one without
// a number is a chapter. The entries come out as an outline would give them.
#pragma once

#include <string>
#include <vector>

#include "pdf_document.h"

// printedOf: per PDF page its printed page, 0 when not indexed.
std::vector<PdfOutlineEntry> contentsOutline(const std::vector<PdfPage>& pages, const std::vector<int>& printedOf);

// A dot-leader entry ("2.1 Spindeln . . . . 14"): its title (empty when it
// stands on the line above) and the printed page it leads to.
bool dotLeaderEntry(const std::u32string& line, std::u32string& title, int& page);

// The depth of a heading's number: 1 for "3", "3." or "A", 2 for "3.1",
// and so on; 1 for a title without a number.
int numberDepth(const std::u32string& title);
