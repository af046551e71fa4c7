#include "book_description.h"

#include <cassert>

namespace {

// A part with the mark that separates it from what follows it.
void addPart(std::string& caption, const std::string& part, const char* before) {
  if (part.empty()) return;
  if (!caption.empty()) caption += before;
  caption += part;
}

// A value from the PDF or the command line may hold tabs or line ends,
// which would break the file's lines.
std::string oneLine(const std::string& value) {
  std::string line;
  for (char c : value) line += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
  return line;
}

}  // namespace

std::string captionOf(const BookReference& reference) {
  if (!reference.caption.empty()) return reference.caption;
  std::string caption = reference.authors;
  addPart(caption, reference.title, ": ");
  addPart(caption, reference.edition, ", ");
  addPart(caption, reference.publisher, ". ");
  addPart(caption, reference.year, reference.publisher.empty() ? ". " : ", ");
  addPart(caption, reference.url, ". ");
  return caption;
}

std::vector<PageRun> pageRuns(const std::vector<int>& printedOf) {
  std::vector<PageRun> runs;
  for (std::size_t i = 0; i < printedOf.size(); ++i) {
    const int printed = printedOf[i];
    const int pdfPage = static_cast<int>(i) + 1;
    if (printed == 0) continue;
    if (!runs.empty() && runs.back().lastPrinted + 1 == printed &&
        runs.back().firstPdfPage + (printed - runs.back().firstPrinted) == pdfPage) {
      runs.back().lastPrinted = printed;
    } else {
      runs.push_back({printed, printed, pdfPage});
    }
  }
  return runs;
}

std::string bookDescription(const BookReference& reference, const std::string& pdfFile,
                            const std::string& sha256, const std::vector<int>& printedOf) {
  assert(pdfFile.find('\n') == std::string::npos);
  std::string text = "# The book this Quirel searches: name TAB value per line.\nformat\t1\n";
  const std::pair<const char*, std::string> fields[] = {
      {"caption", captionOf(reference)}, {"title", reference.title},         {"authors", reference.authors},
      {"edition", reference.edition},    {"publisher", reference.publisher}, {"year", reference.year},
      {"url", reference.url},            {"pdf-file", pdfFile},              {"pdf-sha256", sha256},
      {"pdf-pages", std::to_string(printedOf.size())}};
  for (const auto& [name, value] : fields) text += std::string(name) + "\t" + oneLine(value) + "\n";
  for (const PageRun& run : pageRuns(printedOf)) {
    text += "pages\t" + std::to_string(run.firstPrinted) + "\t" + std::to_string(run.lastPrinted) + "\t" +
            std::to_string(run.firstPdfPage) + "\n";
  }
  return text;
}
