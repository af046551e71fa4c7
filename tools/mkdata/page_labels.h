// From the PDF's pages to the printed pages a reader sees. A page labelled
// with a plain arabic number is that printed page; roman labels mark the
// front matter (title, table of contents), which is left out, and so is a
// page with any other label ("A-1", "T-1"). A page without a label is
// numbered by its place in the PDF, as viewers number it.
//
// No printed page stands on two PDF pages: where a number is carried by
// more than one page, the page in the longest run of pages numbered one
// after the other keeps it (the body, not a title page numbered 1 or a
// part numbered again from 1; the later run where two are as long), and
// the others are left out and counted.
//
// A book whose labels number fewer than half of its pages (all roman, say)
// is numbered by the PDF's pages instead, and the report says so. An offset given on the command line
// overrides the labels (printed page = PDF page - offset).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "index/word_index.h"

constexpr int lastDataPage = lastPage;   // the data formats' last page

enum class LabelKind { arabic, roman, other };

// The kind of a label; for an arabic one its number.
LabelKind kindOfLabel(const std::string& label, int& number);

struct PageChoice {
  bool offsetGiven = false;
  int offset = 0;                     // printed page = PDF page - offset
  int firstPrinted = 1;               // printed pages outside first..last are left out
  int lastPrinted = 0;                // 0: none given; pages above 1799 are then refused
  std::vector<std::pair<int, int>> leftOut;   // printed page ranges, both ends included
};

struct PrintedPages {
  std::vector<int> printedOf;         // per PDF page (index 0 = PDF page 1); 0 not indexed
  int romanPages = 0;                 // left out for their roman labels
  int otherLabelPages = 0;            // left out for labels that are no page number
  int repeatedLabelPages = 0;         // left out: another page carries their number
  bool pdfNumbering = false;          // the labels made no sense: PDF page numbers used
};

// False with a reason when a printed page lies above 1799 and no last page
// was chosen, or when no page is left to index.
bool choosePrintedPages(const std::vector<std::string>& labels, const PageChoice& choice,
                        PrintedPages& pages, std::string& reason);
