// Crafted PDFs, written object by object with an xref table of their own:
// what cairo cannot write (page labels of every style and size, outlines
// deep, cyclic or leading nowhere, number and name trees that loop, page
// trees whose count lies, metadata out of range). Each is a book of plain
// Helvetica text with enough distinct words to be made, plus its one fault.
// The tests and bench/hostile-book-bounds write the same files.
#pragma once

#include <string>
#include <vector>

struct HostilePdf {
  const char* name;            // also the file's name, with ".pdf"
  const char* fault;           // one line: what is wrong with it
  std::string (*bytes)();
};

const std::vector<HostilePdf>& hostilePdfs();

// A PDF of the given pages, each a list of text lines, and any entries to
// add to its catalog and document information dictionaries.
std::string plainPdf(const std::vector<std::vector<std::string>>& pages, const std::string& catalogEntries = "",
                     const std::string& infoEntries = "");
