#include "viewer/recorded_viewer.h"

#include <cassert>

namespace {

RecordedDocument lastAsked;
bool anyAsked = false;

}  // namespace

void recordDocument(const char* path, int page) {
  assert(path != nullptr && page >= 1);
  lastAsked = {path, page};
  anyAsked = true;
}

bool takeRecordedDocument(RecordedDocument& document) {
  if (!anyAsked) return false;
  document = lastAsked;
  anyAsked = false;
  return true;
}
