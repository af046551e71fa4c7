// The document viewer of the page: the browser's own, in a new tab, at the
// address `path` with the page as its fragment (#page=N, which the
// browsers' PDF viewers follow). Each request is also recorded, for a page
// that drives its dialog by script; while recording only, no tab opens.
#include <string>

#include "platform/viewer/document_viewer.h"
#include "platform/viewer/recorded_viewer.h"
#include "platform/web/web_page.h"

extern "C" int quirelPageOpenDocument(const char* address);

namespace {

bool recordingOnly = false;
bool recorded = false;
RecordedDocument last;

}  // namespace

void setViewerRecordsOnly(bool only) { recordingOnly = only; }

ViewerStart showDocumentAtPage(const char* path, int page) {
  last = {path, page};
  recorded = true;
  if (recordingOnly) return ViewerStart::started;
  std::string address = std::string(path) + "#page=" + std::to_string(page);
  return quirelPageOpenDocument(address.c_str()) != 0 ? ViewerStart::started : ViewerStart::failed;
}

bool takeRecordedDocument(RecordedDocument& document) {
  if (!recorded) return false;
  document = last;
  recorded = false;
  return true;
}
