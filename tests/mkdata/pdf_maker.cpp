#include "pdf_maker.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cassert>

namespace {

constexpr double pageWidth = 595;
constexpr double pageHeight = 842;
constexpr double lineHeight = 14;

// cairo keeps one outline entry's parent by the id it returned.
void addOutline(cairo_surface_t* surface, const std::vector<MadeOutlineEntry>& outline) {
  std::vector<int> parentAt{CAIRO_PDF_OUTLINE_ROOT};
  for (const MadeOutlineEntry& entry : outline) {
    assert(entry.depth >= 1 && entry.depth <= static_cast<int>(parentAt.size()));
    parentAt.resize(entry.depth);
    const std::string target = "page=" + std::to_string(entry.pdfPage);
    parentAt.push_back(cairo_pdf_surface_add_outline(surface, parentAt.back(), entry.title.c_str(),
                                                     target.c_str(), CAIRO_PDF_OUTLINE_FLAG_OPEN));
  }
}

}  // namespace

void writePdf(const std::string& path, const MadeBook& book) {
  cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), pageWidth, pageHeight);
  cairo_t* cr = cairo_create(surface);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 10);
  if (!book.title.empty()) cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, book.title.c_str());
  if (!book.author.empty()) cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_AUTHOR, book.author.c_str());
  for (const MadePage& page : book.pages) {
    if (!page.label.empty()) cairo_pdf_surface_set_page_label(surface, page.label.c_str());
    double y = 60;
    for (std::size_t i = 0; i < page.lines.size(); ++i) {
      const double size = i < page.sizes.size() ? page.sizes[i] : 10;
      cairo_set_font_size(cr, size);
      y += size - 10;
      cairo_move_to(cr, 60, y);
      cairo_show_text(cr, page.lines[i].c_str());
      y += lineHeight;
    }
    cairo_show_page(cr);
  }
  addOutline(surface, book.outline);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  assert(cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(surface);
}

std::vector<std::string> madeUpWords(int first, int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    const int n = first + i;
    const std::string word = std::string("Wort") + static_cast<char>('a' + n / 26 % 26) + static_cast<char>('a' + n % 26);
    if (i % 10 == 0) lines.emplace_back();
    lines.back() += (i % 10 == 0 ? "" : " ") + word;
  }
  return lines;
}
