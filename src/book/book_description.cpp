#include "book/book_description.h"

#include <cassert>
#include <charconv>

namespace {

// The fields of one line, split at its tabs.
std::vector<std::string_view> fieldsOf(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos; line.remove_prefix(tab + 1)) {
    fields.push_back(line.substr(0, tab));
  }
  fields.push_back(line);
  return fields;
}

bool numberOf(std::string_view text, int& number) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size() && number >= 1;
}

// "pages FIRST LAST PDF_PAGE"; a run that runs backwards is no run.
void takeRun(const std::vector<std::string_view>& fields, BookDescription& book) {
  PrintedPageRun run{};
  if (fields.size() == 4 && numberOf(fields[1], run.firstPrinted) && numberOf(fields[2], run.lastPrinted) &&
      numberOf(fields[3], run.firstPdfPage) && run.firstPrinted <= run.lastPrinted) {
    book.runs.push_back(run);
  }
}

void takeField(const std::vector<std::string_view>& fields, BookDescription& book) {
  if (fields[0] == bookField::pages) return takeRun(fields, book);
  if (fields.size() != 2 || fields[1].empty()) return;
  if (fields[0] == bookField::pdfFile) book.fileName = fields[1];
  if (fields[0] == bookField::pdfSha256) book.sha256 = fields[1];
  if (fields[0] == bookField::pdfPlace) book.places.emplace_back(fields[1]);
}

}  // namespace

BookDescription readBookDescription(std::string_view description) {
  BookDescription book;
  while (!description.empty()) {
    std::size_t end = description.find('\n');
    std::string_view line = description.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty() && line[0] != '#') takeField(fieldsOf(line), book);
    description.remove_prefix(end == std::string_view::npos ? description.size() : end + 1);
  }
  return book;
}

int pdfPageOf(const BookDescription& book, int printedPage) {
  assert(printedPage >= 1);
  const PrintedPageRun* before = nullptr;
  for (const PrintedPageRun& run : book.runs) {
    if (run.firstPrinted <= printedPage && (before == nullptr || run.firstPrinted > before->firstPrinted)) {
      before = &run;
    }
  }
  if (before == nullptr) return printedPage;
  int pdfPage = before->firstPdfPage + (printedPage - before->firstPrinted);
  return pdfPage >= 1 ? pdfPage : 1;
}

std::string descriptionLine(std::string_view name, std::string_view value) {
  assert(value.find_first_of("\t\r\n") == std::string_view::npos);
  return std::string(name) + "\t" + std::string(value) + "\n";
}

std::string pageRunLine(const PrintedPageRun& run) {
  assert(run.firstPrinted >= 1 && run.firstPrinted <= run.lastPrinted && run.firstPdfPage >= 1);
  return std::string(bookField::pages) + "\t" + std::to_string(run.firstPrinted) + "\t" +
         std::to_string(run.lastPrinted) + "\t" + std::to_string(run.firstPdfPage) + "\n";
}
