#include "styled_words_reader.h"

namespace {

constexpr std::size_t pagesReadAhead = 40;

}  // namespace

StyledWordsReader::StyledWordsReader(const std::string& path)
    : readable_(pagesReadAhead),
      reader_([this, path] { readPdfStyledWords(path, [this](std::size_t page) { return mayRead(page); }, words_); }) {}

StyledWordsReader::~StyledWordsReader() {
  stop();
  if (reader_.joinable()) reader_.join();
}

bool StyledWordsReader::mayRead(std::size_t page) {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [&] { return stopped_ || page < readable_; });
  return !stopped_;
}

void StyledWordsReader::stop() {
  const std::lock_guard<std::mutex> lock(mutex_);
  stopped_ = true;
  changed_.notify_all();
}

const std::vector<std::vector<PdfStyledWord>>& StyledWordsReader::words() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    readable_ = static_cast<std::size_t>(-1);
    changed_.notify_all();
  }
  if (reader_.joinable()) reader_.join();
  return words_;
}
