#include "platform/viewer/recorded_viewer.h"

#include <cassert>

#include "platform/viewer/document_viewer.h"

namespace {

RecordedDocument lastAsked;
bool anyAsked = false;

}  // namespace

ViewerStart showDocumentAtPage(const char* path, int page) {
  assert(path != nullptr && page >= 1);
  lastAsked = {path, page};
  anyAsked = true;
  return ViewerStart::started;
}

bool takeRecordedDocument(RecordedDocument& document) {
  if (!anyAsked) return false;
  document = lastAsked;
  anyAsked = false;
  return true;
}
