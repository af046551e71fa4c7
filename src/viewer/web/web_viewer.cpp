// The document viewer of the page: the browser's own, in a new tab, at the
// address `path` with the page and the word as its fragment
// (#page=N&search=WORD: the browsers' PDF viewers follow the page, Firefox's
// also finds the word from there, Chromium's passes over what it does not
// know). Each request is also recorded, for a page that drives its dialog by
// script; while recording only, no tab opens.
#include "viewer/web/web_viewer.h"

#include <emscripten.h>

#include <string>

#include "viewer/document_viewer.h"
#include "viewer/percent_encoding.h"
#include "viewer/recorded_viewer.h"

namespace {

bool recordingOnly = false;

// A tab the browser's pop-up blocker let open: a double-click is a user's
// gesture, so it normally does.
EM_JS(int, openBrowserTab, (const char* address), {
  return window.open(UTF8ToString(address), '_blank') ? 1 : 0;
});

}  // namespace

void setViewerRecordsOnly(bool only) { recordingOnly = only; }

ViewerStart showDocumentAtPage(const char* path, int page, const char* word) {
  recordDocument(path, page, word);
  if (recordingOnly) return ViewerStart::started;
  std::string address = std::string(path) + "#page=" + std::to_string(page) + "&search=" + percentEncoded(word);
  return openBrowserTab(address.c_str()) != 0 ? ViewerStart::started : ViewerStart::failed;
}
