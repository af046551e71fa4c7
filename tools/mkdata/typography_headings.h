// A book with neither outline nor contents pages shows its headings by
// their type alone: lines set larger than the body text (the size that
// carries most of the book's letters, by at least a sixth). Each size in
// which such lines stand on indexed pages is a level, the largest the
// chapters, down to the third; a heading's number, where it has one, gives
// its level instead. A line that comes back on three pages (a running head
// in large type), one without a word of three letters (music, a figure's
// labels) and one of more than twelve words are no headings; lines of one
// size that follow each other are one wrapped title. The headings come out
// as an outline would give them.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "pdf_document.h"

// The words' type costs as much to read as the text. For a book without an
// outline its first pages are read beside the text, in a thread of their
// own, from the start (a short book's all of them); the rest only when the
// book turns out to need them, its contents pages giving no headings.
class StyledWordsReader {
 public:
  explicit StyledWordsReader(const std::string& path);
  ~StyledWordsReader();
  StyledWordsReader(const StyledWordsReader&) = delete;
  StyledWordsReader& operator=(const StyledWordsReader&) = delete;
  void stop();
  const std::vector<std::vector<PdfStyledWord>>& words();  // reads the rest and waits for it

 private:
  bool mayRead(std::size_t page);

  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t readable_;        // pages that may be read now
  bool stopped_ = false;
  std::vector<std::vector<PdfStyledWord>> words_;
  std::thread reader_;
};

// printedOf: per PDF page its printed page, 0 when not indexed.
std::vector<PdfOutlineEntry> typographyOutline(const std::vector<std::vector<PdfStyledWord>>& pages,
                                               const std::vector<int>& printedOf);
