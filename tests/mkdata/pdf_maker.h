// Writing a small book as a PDF with cairo, for tests that need one: pages
// of plain lines, page labels, an outline and metadata.
#pragma once

#include <string>
#include <vector>

struct MadePage {
  std::string label;                 // empty: none set
  std::vector<std::string> lines;    // UTF-8, one text line each, top to bottom
  std::vector<double> sizes = {};    // per line its type's size; missing ones 10 points
};

struct MadeOutlineEntry {
  int depth;                         // 1 top level
  std::string title;
  int pdfPage;                       // 1-based
};

struct MadeBook {
  std::vector<MadePage> pages;
  std::vector<MadeOutlineEntry> outline;
  std::string title;
  std::string author;
};

void writePdf(const std::string& path, const MadeBook& book);

// A book that holds what `quirel-mkdata book` must recognise: front matter
// with roman labels and a table of contents, a part above the chapters,
// running heads and footers, words divided at line ends, a ligature, a
// foreign letter, an appendix page and an index at the back.
MadeBook smallBook();

// A page of n distinct made-up words ("Wortaa", "Wortab", ...), from the
// given start, wrapped ten to a line.
std::vector<std::string> madeUpWords(int first, int count);
