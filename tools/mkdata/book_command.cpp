#include "book_command.h"

#include <filesystem>
#include <ostream>

#include "book_description.h"
#include "contents_headings.h"
#include "output_directory.h"
#include "index/word_index.h"
#include "outline_headings.h"
#include "page_labels.h"
#include "pdf_document.h"
#include "pdf_words.h"
#include "producer/data_producer.h"
#include "text_codec.h"
#include "tsv_files.h"
#include "typography_headings.h"
#include "word_scanner.h"
#include "word_tally.h"

const char bookUsage[] =
    "quirel-mkdata book BOOK.pdf OUT_DIR [--page-offset N] [--printed-pages FIRST-LAST]\n"
    "                 [--leave-out FIRST-LAST]... [--parts detect|skip|keep] [--caption TEXT]\n"
    "                 [--title T] [--authors A] [--edition E] [--publisher P] [--year Y] [--url U]\n"
    "                 [--pdf-place DIR]...\n";

const char bookHelp[] =
    "Makes the word index and the heading table of a German book from its PDF\n"
    "and writes words.tsv, headings.tsv, word_index.bin, heading_table.bin,\n"
    "caption.h, book.txt and pdf-directory into OUT_DIR (made if missing), all\n"
    "of them or none. Printed pages come from the PDF's page labels, headings\n"
    "from its outline (or its contents pages, or its typography), as printed.\n"
    "\n"
    "  --page-offset N          printed page = PDF page - N; labels ignored\n"
    "  --printed-pages F-L      index printed pages F to L only (needed above 1799)\n"
    "  --leave-out F-L          leave printed pages F to L out (repeatable)\n"
    "  --parts detect|skip|keep the outline's top level: parts above the chapters?\n"
    "  --caption TEXT           the window's book reference, whole; or its parts:\n"
    "  --title, --authors, --edition, --publisher, --year, --url\n"
    "                           (title, authors and year default to the metadata)\n"
    "  --pdf-place DIR          where the book's package installs the PDF (repeatable)\n";

namespace {

constexpr std::size_t fewestDistinctWords = 100;

bool parseNumber(const std::string& text, int& number) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  number = std::stoi(text);
  return true;
}

bool parseRange(const std::string& text, std::pair<int, int>& range) {
  const std::size_t dash = text.find('-');
  return dash != std::string::npos && parseNumber(text.substr(0, dash), range.first) &&
         parseNumber(text.substr(dash + 1), range.second) && range.first >= 1 && range.first <= range.second;
}

// One option with its value; false on a misuse.
bool takeOption(const std::string& name, const std::string& value, BookOptions& options) {
  std::pair<int, int> range;
  BookReference& r = options.reference;
  if (name == "--page-offset") return options.pages.offsetGiven = true, parseNumber(value, options.pages.offset);
  if (name == "--printed-pages") {
    if (!parseRange(value, range) || range.second > lastDataPage) return false;
    options.pages.firstPrinted = range.first;
    options.pages.lastPrinted = range.second;
    return true;
  }
  if (name == "--pdf-place") return !value.empty() && (options.pdfPlaces.push_back(value), true);
  if (name == "--leave-out") return parseRange(value, range) && (options.pages.leftOut.push_back(range), true);
  if (name == "--parts") {
    options.parts = value == "skip" ? PartLevel::skip : value == "keep" ? PartLevel::keep : PartLevel::detect;
    return value == "skip" || value == "keep" || value == "detect";
  }
  std::string* const fields[] = {&r.caption, &r.title, &r.authors, &r.edition, &r.publisher, &r.year, &r.url};
  const char* const names[] = {"--caption", "--title", "--authors", "--edition", "--publisher", "--year", "--url"};
  for (std::size_t i = 0; i < std::size(names); ++i) {
    if (name == names[i]) return *fields[i] = value, true;
  }
  return false;
}

bool parseBookArguments(const Arguments& a, BookOptions& options) {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].rfind("--", 0) != 0) {
      positional.push_back(a[i]);
    } else if (i + 1 == a.size() || !takeOption(a[i], a[i + 1], options)) {
      return false;
    } else {
      ++i;
    }
  }
  if (positional.size() != 2) return false;
  options.pdfPath = positional[0];
  options.outDir = positional[1];
  return true;
}

bool hasTextLayer(const PdfBook& book) {
  for (const PdfPage& page : book.pages) {
    for (const std::u32string& line : page.lines) {
      if (line.find_first_not_of(U" \t") != std::u32string::npos) return true;
    }
  }
  return false;
}

std::string baseName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

// Where the PDF is now, for a Quirel built of these data to look in.
std::string absoluteDirectoryOf(const std::string& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? std::string() : absolute.parent_path().lexically_normal().string();
}

// A refused name as the one line of the refusal shows it: its control
// characters as "?".
std::string shownOnOneLine(std::string name) {
  for (char& c : name) c = static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
  return name;
}

// The description must hold the PDF's name and places as they are, for a
// Quirel to find the file by them.
bool describable(const BookOptions& options, std::string& reason) {
  const std::string shown = shownOnOneLine(options.pdfPath);
  const std::string why = unfitName(baseName(options.pdfPath));
  if (!why.empty()) return reason = shown + ": the file name " + why + "; rename the file", false;
  const std::string whyDirectory = unfitName(absoluteDirectoryOf(options.pdfPath));
  if (!whyDirectory.empty())
    return reason = shown + ": the name of its directory " + whyDirectory + "; move the file", false;
  for (const std::string& place : options.pdfPlaces) {
    const std::string whyPlace = unfitName(place);
    if (!whyPlace.empty()) return reason = "--pdf-place " + shownOnOneLine(place) + ": the name " + whyPlace, false;
  }
  return true;
}

// The metadata fill in what the command line left open.
void completeReference(BookReference& reference, const PdfMetadata& metadata) {
  if (reference.title.empty()) reference.title = metadata.title;
  if (reference.authors.empty()) reference.authors = metadata.author;
  if (reference.year.empty() && metadata.year != 0) reference.year = std::to_string(metadata.year);
}

// Every rule reads the text as a reader does: composed characters.
void composeBookText(PdfBook& book) {
  for (PdfPage& page : book.pages) {
    for (std::u32string& line : page.lines) compose(line);
  }
  for (PdfOutlineEntry& entry : book.outline) entry.title = composedUtf8(entry.title);
  for (std::string* field : {&book.metadata.title, &book.metadata.author, &book.metadata.subject,
                             &book.metadata.keywords})
    *field = composedUtf8(*field);
}

bool choosePages(const PdfBook& book, const BookOptions& options, BookData& data, std::string& reason) {
  std::vector<std::string> labels;
  for (const PdfPage& page : book.pages) labels.push_back(page.label);
  PrintedPages pages;
  if (!choosePrintedPages(labels, options.pages, pages, reason)) return false;
  if (pages.pdfNumbering)
    data.report += "the page labels number fewer than half of the pages: printed pages are the PDF's page "
                   "numbers (--page-offset N makes them PDF page - N)\n";
  const std::vector<bool> indexPages = indexAndContentsPages(book.outline, book.pages.size());
  int indexPageCount = 0;
  for (std::size_t i = 0; i < indexPages.size(); ++i) {
    if (!indexPages[i] || pages.printedOf[i] == 0) continue;
    pages.printedOf[i] = 0;
    ++indexPageCount;
  }
  data.printedOf = pages.printedOf;
  data.report += "left out: " + std::to_string(pages.romanPages) + " pages with roman labels, " +
                 std::to_string(pages.otherLabelPages) + " with other labels, " +
                 std::to_string(pages.repeatedLabelPages) + " whose number a later run of pages carries, " +
                 std::to_string(indexPageCount) + " of the index and contents in the outline";
  return true;
}

// Where the headings come from: the outline; without one, the book's own
// contents pages; failing those, its typography. The outline is made of
// the latter two when they are used.
const char* headingSource(PdfBook& book, const BookType* type, const std::vector<int>& printedOf) {
  if (!book.outline.empty()) return "the outline";
  book.outline = contentsOutline(book.pages, printedOf);
  if (!book.outline.empty()) return "the contents pages";
  if (type == nullptr) return "nowhere: no outline, no contents pages";
  book.outline = typographyOutline(*type, printedOf);
  return "the typography";
}

}  // namespace

bool collectBookData(PdfBook& book, const BookOptions& options, const BookType* type, BookData& data,
                     std::string& reason) {
  composeBookText(book);
  settleOutlinePages(book.outline, book.pages);
  if (!choosePages(book, options, data, reason)) return false;
  // The body's lines go to the scanner and its words to the tally as they
  // come: neither the lines nor the words are kept.
  WordTally tally;
  WordScanner scanner(tally);
  const BodyText body = bodyText(book.pages, data.printedOf, [&scanner](const BookLine& line) { scanner.line(line); });
  scanner.end();
  std::size_t dropped = 0;
  data.words = tally.tallied(dropped);
  if (data.words.size() < fewestDistinctWords) {
    reason = "only " + std::to_string(data.words.size()) + " distinct words, fewer than " +
             std::to_string(fewestDistinctWords) +
             "; is it the book's PDF, and do --printed-pages and --leave-out leave enough?";
    return false;
  }
  const char* const source = headingSource(book, type, data.printedOf);
  const bool skipTop = options.parts == PartLevel::skip ||
                       (options.parts == PartLevel::detect && topLevelHoldsParts(book.outline, book.pages));
  data.headings = outlineHeadings(book.outline, skipTop, book.pages, data.printedOf, data.notes);
  data.report += ", " + std::to_string(body.contentsPages) + " contents pages found by their dot leaders; " +
                 std::to_string(body.edgeLinesDropped) + " running heads and footers; words scanned " +
                 std::to_string(scanner.wordsScanned()) + ", entries " + std::to_string(data.words.size()) +
                 ", headings " + std::to_string(data.headings.size()) + " from " + source +
                 (skipTop ? " (top outline level skipped as parts)" : "");
  return true;
}

namespace {

// Packing goes through the very reader of words.tsv and headings.tsv that
// `pack` uses, so the data sets are what `pack` makes of the lists.
bool packLists(const std::string& words, const std::string& headings, std::string& wordIndex,
               std::string& headingTable, std::string& reason) {
  std::vector<std::string> errors;
  const bool packed = packWordList(words, "words.tsv", wordIndex, errors) &&
                      packHeadingList(headings, "headings.tsv", headingTable, errors);
  if (!packed && !errors.empty()) reason = errors.front();
  return packed;
}

// OUT_DIR's parents that are missing; OUT_DIR itself comes into being
// whole, in one exchange (output_directory.h).
bool makeParents(const std::string& outDir, std::string& reason) {
  const std::filesystem::path parent = std::filesystem::path(outDir).lexically_normal().parent_path();
  std::error_code error;
  if (parent.empty() || std::filesystem::is_directory(parent, error)) return true;
  std::filesystem::create_directories(parent, error);
  if (!error && std::filesystem::is_directory(parent, error)) return true;
  reason = outDir + ": cannot create the directory (" +
           (error ? error.message() : "a file of that name is there") + "); choose another OUT_DIR";
  return false;
}

}  // namespace

bool bookFiles(const PdfBook& book, const BookOptions& options, BookData& data, std::vector<OutputFile>& files,
               std::string& reason) {
  const std::string words = wordsTsv(data.words);
  std::vector<TalliedWord>().swap(data.words);
  const std::string headings = headingsTsv(data.headings);
  std::string wordIndex, headingTable;
  if (!packLists(words, headings, wordIndex, headingTable, reason)) return false;
  BookReference reference = options.reference;
  completeReference(reference, book.metadata);
  const std::string description =
      bookDescription(reference, {baseName(options.pdfPath), book.sha256, options.pdfPlaces}, data.printedOf);
  files = {{"words.tsv", words},
           {"headings.tsv", headings},
           {"book.txt", description},
           {"caption.h", captionHeader(reference)},
           {"word_index.bin", wordIndex},
           {"heading_table.bin", headingTable},
           {"pdf-directory", absoluteDirectoryOf(options.pdfPath) + "\n"}};
  return true;
}

namespace {

// The pages' text has given all it holds: it is let go before the data
// sets are packed, the step that needs the most memory.
bool writeBookFiles(PdfBook& book, const BookOptions& options, BookData& data, std::string& reason) {
  std::vector<PdfPage>().swap(book.pages);
  std::vector<OutputFile> files;
  return bookFiles(book, options, data, files, reason) && makeParents(options.outDir, reason) &&
         replaceDirectory(options.outDir, files, reason);
}

}  // namespace

int bookCommand(const Arguments& a, std::ostream& out, std::ostream& err) {
  BookOptions options;
  if (!parseBookArguments(a, options)) {
    err << "usage: " << bookUsage << "       quirel-mkdata book --help\n";
    return 2;
  }
  PdfBook book;
  // A book without an outline may need its headings from its type, read
  // with its text.
  BookType type;
  const auto takeType = [&type](std::size_t page, const std::vector<PdfStyledWord>& words) {
    addTypePage(page, words, type);
  };
  BookData data;
  std::string reason;
  const bool done = describable(options, reason) && readPdfBook(options.pdfPath, takeType, book, reason) &&
                    (hasTextLayer(book) ||
                     (reason = options.pdfPath + ": the PDF has no text layer; run it through OCR first", false)) &&
                    (collectBookData(book, options, &type, data, reason) ||
                     (reason = options.pdfPath + ": " + reason, false)) &&
                    writeBookFiles(book, options, data, reason);
  if (!done) {
    err << reason << '\n';
    return 1;
  }
  for (const std::string& note : data.notes) err << note << '\n';
  out << data.report << '\n';
  const std::string damage = damageReport(book.damage);
  if (!damage.empty()) out << damage << '\n';
  return 0;
}
