// Reading the type of a book's words beside its text.
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
