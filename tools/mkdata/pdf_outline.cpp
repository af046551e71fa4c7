// What poppler's GLib binding does better than its C++ one: the outline,
// with each entry's destination (named or explicit) resolved to its page,
// and the file's checksum.
#include <glib.h>
#include <poppler.h>

#include "pdf_document.h"

namespace {

// Some typesetters put a chapter's anchor at the end of the page before
// it, below the last line of text; the caller decides by the page's text.
// Page heights are looked up once per page: poppler makes a page object
// for each lookup.
bool nearFootOfPage(PopplerDocument* document, const PopplerDest& destination, std::vector<double>& heights) {
  if (!destination.change_top || destination.page_num < 1) return false;
  const auto index = static_cast<std::size_t>(destination.page_num - 1);
  if (index >= heights.size()) return false;
  if (heights[index] < 0) {
    PopplerPage* pdfPage = poppler_document_get_page(document, destination.page_num - 1);
    double width = 0;
    heights[index] = 0;
    if (pdfPage != nullptr) poppler_page_get_size(pdfPage, &width, &heights[index]);
    if (pdfPage != nullptr) g_object_unref(pdfPage);
  }
  return destination.top < heights[index] / 6;
}

struct OutlineWalk {
  PopplerDocument* document;
  std::vector<double> heights;       // per page; negative until looked up
  std::vector<PdfOutlineEntry>& outline;
};

PdfOutlineEntry entryOf(OutlineWalk& walk, int depth, const char* title, const PopplerDest* destination) {
  PdfOutlineEntry entry{depth, title, 0, false};
  PopplerDest* named = nullptr;
  if (destination != nullptr && destination->type == POPPLER_DEST_NAMED) {
    named = poppler_document_find_dest(walk.document, destination->named_dest);
    destination = named;
  }
  if (destination != nullptr) {
    entry.pdfPage = destination->page_num;
    entry.nearPageFoot = nearFootOfPage(walk.document, *destination, walk.heights);
  }
  if (named != nullptr) poppler_dest_free(named);
  return entry;
}

void walkLevel(OutlineWalk& walk, PopplerIndexIter* iter, int depth) {
  do {
    PopplerAction* action = poppler_index_iter_get_action(iter);
    if (action != nullptr) {
      const char* title = action->any.title != nullptr ? action->any.title : "";
      walk.outline.push_back(
          entryOf(walk, depth, title, action->type == POPPLER_ACTION_GOTO_DEST ? action->goto_dest.dest : nullptr));
      poppler_action_free(action);
    }
    PopplerIndexIter* child = poppler_index_iter_get_child(iter);
    if (child != nullptr) {
      walkLevel(walk, child, depth + 1);
      poppler_index_iter_free(child);
    }
  } while (poppler_index_iter_next(iter));
}

}  // namespace

bool readPdfOutline(const std::string& bytes, std::vector<PdfOutlineEntry>& outline, std::string& reason) {
  outline.clear();
  GBytes* data = g_bytes_new_static(bytes.data(), bytes.size());
  GError* error = nullptr;
  PopplerDocument* document = poppler_document_new_from_bytes(data, nullptr, &error);
  g_bytes_unref(data);
  if (document == nullptr) {
    reason = std::string("the outline cannot be read: ") + (error != nullptr ? error->message : "unknown error");
    if (error != nullptr) g_error_free(error);
    return false;
  }
  PopplerIndexIter* iter = poppler_index_iter_new(document);
  if (iter != nullptr) {
    OutlineWalk walk{document, std::vector<double>(static_cast<std::size_t>(poppler_document_get_n_pages(document)), -1.0),
                     outline};
    walkLevel(walk, iter, 1);
    poppler_index_iter_free(iter);
  }
  g_object_unref(document);
  return true;
}

std::string sha256Hex(const std::string& bytes) {
  gchar* hex = g_compute_checksum_for_data(G_CHECKSUM_SHA256, reinterpret_cast<const guchar*>(bytes.data()),
                                           bytes.size());
  std::string result = hex;
  g_free(hex);
  return result;
}
