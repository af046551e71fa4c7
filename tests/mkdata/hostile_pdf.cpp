#include "hostile_pdf.h"

#include <cassert>
#include <cstdio>

#include "pdf_maker.h"

namespace {

// Objects by number (1-based), then the file with its xref table.
class RawPdf {
 public:
  int reserve() {
    bodies_.emplace_back();
    return static_cast<int>(bodies_.size());
  }
  void set(int number, std::string body) { bodies_.at(static_cast<std::size_t>(number) - 1) = std::move(body); }
  int add(std::string body) {
    const int number = reserve();
    set(number, std::move(body));
    return number;
  }
  std::string bytes(int catalog, int info) const {
    std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < bodies_.size(); ++i) {
      offsets.push_back(pdf.size());
      pdf += std::to_string(i + 1) + " 0 obj\n" + (bodies_[i].empty() ? "null" : bodies_[i]) + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(bodies_.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets) {
      char line[24];
      std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
      pdf += line;
    }
    pdf += "trailer\n<< /Size " + std::to_string(bodies_.size() + 1) + " /Root " + ref(catalog) +
           (info != 0 ? " /Info " + ref(info) : "") + " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
  }
  static std::string ref(int number) { return std::to_string(number) + " 0 R"; }

 private:
  std::vector<std::string> bodies_;
};

std::string ref(int number) { return RawPdf::ref(number); }

std::string stream(const std::string& data) {
  return "<< /Length " + std::to_string(data.size()) + " >>\nstream\n" + data + "\nendstream";
}

// A PDF string literal of plain text.
std::string literal(const std::string& text) {
  std::string escaped = "(";
  for (char c : text) escaped += c == '(' || c == ')' || c == '\\' ? std::string("\\") + c : std::string(1, c);
  return escaped + ")";
}

std::string contentOf(const std::vector<std::string>& lines) {
  std::string content = "BT /F1 10 Tf 14 TL 60 780 Td\n";
  for (const std::string& line : lines) content += literal(line) + " Tj T*\n";
  return content + "ET";
}

// The book every case starts from: its pages' objects are known to the
// case, which adds its fault.
struct RawBook {
  RawPdf pdf;
  int catalog = 0;
  int pagesRoot = 0;
  std::vector<int> pages;
  std::string catalogEntries;
  std::string infoEntries;

  std::string bytes() {
    pdf.set(catalog, "<< /Type /Catalog /Pages " + ref(pagesRoot) + " " + catalogEntries + " >>");
    return pdf.bytes(catalog, infoEntries.empty() ? 0 : pdf.add("<< " + infoEntries + " >>"));
  }
};

// extraCount: what the page tree's /Count claims beyond its real pages.
RawBook rawBook(const std::vector<std::vector<std::string>>& pageLines, int extraCount = 0) {
  RawBook book;
  book.catalog = book.pdf.reserve();
  book.pagesRoot = book.pdf.reserve();
  const int font = book.pdf.add("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
  std::string kids;
  for (const std::vector<std::string>& lines : pageLines) {
    const int content = book.pdf.add(stream(contentOf(lines)));
    book.pages.push_back(book.pdf.add("<< /Type /Page /Parent " + ref(book.pagesRoot) +
                                      " /MediaBox [0 0 595 842] /Resources << /Font << /F1 " + ref(font) +
                                      " >> >> /Contents " + ref(content) + " >>"));
    kids += ref(book.pages.back()) + " ";
  }
  for (int i = 0; i < extraCount; ++i) book.pdf.add("null");  // so that poppler believes the count
  book.pdf.set(book.pagesRoot, "<< /Type /Pages /Kids [" + kids + "] /Count " +
                                   std::to_string(pageLines.size() + static_cast<std::size_t>(extraCount)) + " >>");
  return book;
}

// n pages: the first with a hundred distinct words, the others a few each.
std::vector<std::vector<std::string>> bookPages(int n) {
  std::vector<std::vector<std::string>> pages;
  for (int i = 0; i < n; ++i)
    pages.push_back(i == 0 ? madeUpWords(0, 100) : std::vector<std::string>{"Seitentext " + madeUpWords(100 + i % 500, 1)[0]});
  return pages;
}

std::string labelled(int pages, const std::string& numberTree) {
  RawBook book = rawBook(bookPages(pages));
  book.catalogEntries = "/PageLabels " + numberTree;
  return book.bytes();
}

// An outline of one chain: entry i's /First is entry i + 1, `levels` deep,
// each leading to the first page.
std::string deepOutline(int levels) {
  RawBook book = rawBook(bookPages(3));
  const int outlines = book.pdf.reserve();
  int first = 0;
  for (int level = levels; level >= 1; --level) {
    const int item = book.pdf.reserve();
    book.pdf.set(item, "<< /Title " + literal("Ebene " + std::to_string(level)) + " /Parent " +
                           ref(level == 1 ? outlines : item - 1) + (first != 0 ? " /First " + ref(first) : "") +
                           " /Dest [" + ref(book.pages[0]) + " /Fit] >>");
    first = item;
  }
  book.pdf.set(outlines, "<< /Type /Outlines /First " + ref(first) + " >>");
  book.catalogEntries = "/Outlines " + ref(outlines);
  return book.bytes();
}

// Top-level entries with the given destinations; each names its title.
std::string flatOutline(RawBook& book, const std::vector<std::pair<std::string, std::string>>& entries) {
  const int outlines = book.pdf.reserve();
  std::vector<int> items;
  for (std::size_t i = 0; i < entries.size(); ++i) items.push_back(book.pdf.reserve());
  for (std::size_t i = 0; i < entries.size(); ++i)
    book.pdf.set(items[i], "<< /Title " + literal(entries[i].first) + " /Parent " + ref(outlines) +
                               (i + 1 < entries.size() ? " /Next " + ref(items[i + 1]) : "") + " " + entries[i].second +
                               " >>");
  book.pdf.set(outlines, "<< /Type /Outlines /First " + ref(items.front()) + " >>");
  book.catalogEntries += " /Outlines " + ref(outlines);
  return book.bytes();
}

std::string cyclicOutline() {
  RawBook book = rawBook(bookPages(3));
  const int outlines = book.pdf.reserve(), first = book.pdf.reserve(), second = book.pdf.reserve();
  const std::string dest = " /Dest [" + ref(book.pages[1]) + " /Fit]";
  book.pdf.set(first, "<< /Title (Kapitel Eins) /Parent " + ref(outlines) + " /Next " + ref(second) + dest +
                          " /First " + ref(first) + " >>");
  book.pdf.set(second, "<< /Title (Kapitel Zwei) /Parent " + ref(outlines) + " /Next " + ref(first) + dest +
                           " /First " + ref(outlines) + " >>");
  book.pdf.set(outlines, "<< /Type /Outlines /First " + ref(first) + " >>");
  book.catalogEntries = "/Outlines " + ref(outlines);
  return book.bytes();
}

std::string missingDestinations() {
  RawBook book = rawBook(bookPages(3));
  const int font = 3;  // an object that is no page
  return flatOutline(book, {{"Kapitel Objekt", "/Dest [" + ref(font) + " /Fit]"},
                            {"Kapitel Nummer", "/Dest [99 /Fit]"},
                            {"Kapitel Name", "/Dest (nirgends)"},
                            {"Kapitel Aktion", "/A << /S /GoTo /D [" + ref(9999) + " /XYZ 0 0 0] >>"}});
}

// Outline entries that each lead to a page the tree does not hold, in a
// tree whose count claims thousands of pages more than it has.
std::string damagedPageTree() {
  RawBook book = rawBook(bookPages(3), 20000);
  std::vector<std::pair<std::string, std::string>> entries;
  for (int i = 0; i < 3000; ++i) entries.push_back({"Verloren " + std::to_string(i), "/Dest [" + ref(3) + " /Fit]"});
  return flatOutline(book, entries);
}

std::string wideOutline() {
  RawBook book = rawBook(bookPages(3));
  std::vector<std::pair<std::string, std::string>> entries(25000, {"Breit", "/Dest [" + ref(book.pages[1]) + " /Fit]"});
  return flatOutline(book, entries);
}

// A /Dests name tree 100,000 levels deep, its one leaf naming page 2.
std::string deepNameTree() {
  RawBook book = rawBook(bookPages(3));
  int node = book.pdf.add("<< /Names [(tief) [" + ref(book.pages[1]) + " /Fit]] /Limits [(tief) (tief)] >>");
  for (int level = 0; level < 100000; ++level) node = book.pdf.add("<< /Kids [" + ref(node) + "] >>");
  book.catalogEntries = "/Names << /Dests " + ref(node) + " >>";
  return flatOutline(book, {{"Kapitel Tief", "/Dest (tief)"}});
}

// An outline entry's GoTo action followed by a chain of 100,000 /Next
// actions.
std::string actionChain() {
  RawBook book = rawBook(bookPages(3));
  int next = 0;
  for (int i = 0; i < 100000; ++i)
    next = book.pdf.add("<< /S /GoTo /D [" + ref(book.pages[1]) + " /Fit]" + (next != 0 ? " /Next " + ref(next) : "") + " >>");
  return flatOutline(book, {{"Kapitel Kette", "/A << /S /GoTo /D [" + ref(book.pages[1]) + " /Fit] /Next " + ref(next) + " >>"}});
}

std::string deepLabelTree() {
  RawBook book = rawBook(bookPages(3));
  int node = book.pdf.add("<< /Nums [0 << /S /D /St 5 >>] >>");
  for (int level = 0; level < 100000; ++level) node = book.pdf.add("<< /Kids [" + ref(node) + "] >>");
  book.catalogEntries = "/PageLabels " + ref(node);
  return book.bytes();
}

std::string cyclicLabelTree() {
  RawBook book = rawBook(bookPages(3));
  const int a = book.pdf.reserve(), b = book.pdf.reserve();
  book.pdf.set(a, "<< /Kids [" + ref(b) + "] >>");
  book.pdf.set(b, "<< /Kids [" + ref(a) + " " + ref(b) + "] /Nums [0 << /S /D /St 5 >>] >>");
  book.catalogEntries = "/PageLabels " + ref(a);
  return book.bytes();
}

// 270 lines of 300 characters in a two-point font, all within the page.
std::string hugePageText() {
  RawBook book = rawBook(bookPages(2));
  std::string content = "BT /F1 2 Tf 3 TL 10 830 Td\n";
  for (int i = 0; i < 270; ++i) {
    std::string line;
    for (int word = 0; word < 30; ++word) line += std::string(9, static_cast<char>('a' + (i + word) % 26)) + " ";
    content += "(" + line + ") Tj T*\n";
  }
  const int font = 3;
  book.pdf.set(book.pages[1], "<< /Type /Page /Parent " + ref(book.pagesRoot) +
                                  " /MediaBox [0 0 595 842] /Resources << /Font << /F1 " + ref(font) +
                                  " >> >> /Contents " + ref(book.pdf.add(stream(content + "ET"))) + " >>");
  return book.bytes();
}

// 500 pages of 110 lines of made-up German-looking words in a two-point
// font: fifteen million characters, 190,000 distinct words.
std::string hugeBookText() {
  static const char* const syllables[] = {"ma", "schi", "ne", "spin", "del", "dreh", "zahl", "werk", "zeug", "ach", "se",
                                          "steu", "er", "ung", "pro", "gramm", "ko", "or", "di", "na", "te"};
  unsigned seed = 1;
  auto next = [&seed](unsigned range) { return (seed = seed * 1103515245 + 12345) / 65536 % range; };
  std::vector<std::string> contents;
  for (int page = 0; page < 500; ++page) {
    std::string content = "BT /F1 2 Tf 3 TL 10 830 Td\n";
    for (int line = 0; line < 110; ++line) {
      std::string text;
      while (text.size() < 270) {
        std::string word;
        for (unsigned n = 2 + next(3); n > 0; --n) word += syllables[next(21)];
        word[0] = static_cast<char>(word[0] - 'a' + 'A');
        text += word + " ";
      }
      content += "(" + text + ") Tj T*\n";
    }
    contents.push_back(content + "ET");
  }
  RawBook book = rawBook(std::vector<std::vector<std::string>>(contents.size()));
  for (std::size_t page = 0; page < contents.size(); ++page)
    book.pdf.set(book.pages[page], "<< /Type /Page /Parent " + ref(book.pagesRoot) +
                                       " /MediaBox [0 0 595 842] /Resources << /Font << /F1 " + ref(3) +
                                       " >> >> /Contents " + ref(book.pdf.add(stream(contents[page]))) + " >>");
  return book.bytes();
}

// Content streams with operators poppler does not know: it complains once
// for each, through its error callback.
std::string brokenContent() {
  RawBook book = rawBook(bookPages(3));
  for (int page : {1, 2}) {
    book.pdf.set(book.pages[static_cast<std::size_t>(page)],
                 "<< /Type /Page /Parent " + ref(book.pagesRoot) + " /MediaBox [0 0 595 842] /Contents " +
                     ref(book.pdf.add(stream("BT quatsch 60 780 Td (Kaputt) Tj unsinn ET"))) + " >>");
  }
  return book.bytes();
}

std::string withInfo(const std::string& infoEntries) {
  RawBook book = rawBook(bookPages(2));
  book.infoEntries = infoEntries;
  return book.bytes();
}

}  // namespace

std::string plainPdf(const std::vector<std::vector<std::string>>& pages, const std::string& catalogEntries,
                     const std::string& infoEntries) {
  RawBook book = rawBook(pages);
  book.catalogEntries = catalogEntries;
  book.infoEntries = infoEntries;
  return book.bytes();
}

const std::vector<HostilePdf>& hostilePdfs() {
  static const std::vector<HostilePdf> pdfs = {
      {"labels-letters-huge", "page labels /S /A /St 2147483647 after one arabic page",
       [] { return labelled(3, "<< /Nums [0 << /S /D >> 1 << /S /A /St 2147483647 >>] >>"); }},
      {"labels-roman-huge", "a page labelled /S /r /St 2147483647 between arabic pages",
       [] { return labelled(3, "<< /Nums [0 << /S /D >> 1 << /S /r /St 2147483647 >> 2 << /S /D /St 2 >>] >>"); }},
      {"labels-prefix", "a page labelled \"X-4998\" (prefix X-, arabic from 4998)",
       [] { return labelled(3, "<< /Nums [0 << /S /D >> 2 << /S /D /P (X-) /St 4998 >>] >>"); }},
      {"labels-prefix-huge", "a label prefix of a megabyte",
       [] { return labelled(3, "<< /Nums [0 << /S /D >> 2 << /P (" + std::string(1 << 20, 'P') + ") >>] >>"); }},
      {"labels-all-seven", "5,000 pages all labelled \"7\"",
       [] { return labelled(5000, "<< /Nums [0 << /P (7) >>] >>"); }},
      {"labels-tree-deep", "a page-label number tree 100,000 levels deep", deepLabelTree},
      {"labels-tree-cyclic", "a page-label number tree whose kids lead back to it", cyclicLabelTree},
      {"outline-deep-10000", "an outline 10,000 levels deep", [] { return deepOutline(10000); }},
      {"outline-deep-100000", "an outline 100,000 levels deep", [] { return deepOutline(100000); }},
      {"outline-cyclic", "outline entries whose /Next and /First lead back", cyclicOutline},
      {"outline-missing-pages", "outline destinations to no page, page 99 of 3, a missing name, a missing object",
       missingDestinations},
      {"outline-wide", "25,000 outline entries on one level", wideOutline},
      {"outline-action-chain", "an outline entry's action followed by 100,000 /Next actions", actionChain},
      {"outline-name-tree-deep", "a named destination in a name tree 100,000 levels deep", deepNameTree},
      {"page-tree-damaged", "a page tree that claims 20,000 pages more than it has, 3,000 entries leading nowhere",
       damagedPageTree},
      {"page-text-huge", "a page with 81,000 characters of text", hugePageText},
      {"content-broken", "content streams with operators that do not exist", brokenContent},
      {"text-huge", "500 pages of 30,000 characters each, 190,000 distinct words", hugeBookText},
      {"date-out-of-range", "a creation date D:99999999999999",
       [] { return withInfo("/Title (Datumsbuch) /CreationDate (D:99999999999999)"); }},
      {"title-huge", "a title of a megabyte", [] { return withInfo("/Title (" + std::string(1 << 20, 'T') + ")"); }},
      {"title-control", "a title with a tab, a line end, DEL and a byte that is no UTF-8",
       [] { return withInfo("/Title (Titel\\tmit\\nSteuer\x7F" "zeichen) /Author <FEFFD800>"); }},
  };
  return pdfs;
}
