#include "viewer/recorded_viewer.h"

#include <cassert>

namespace {

RecordedDocument lastAsked;
bool anyAsked = false;

}  // namespace

void recordDocument(const char* path, int page, const char* word) {
  assert(path != nullptr && page >= 1 && word != nullptr && word[0] != '\0');
  lastAsked = {path, page, word};
  anyAsked = true;
}

bool takeRecordedDocument(RecordedDocument& document) {
  if (!anyAsked) return false;
  document = lastAsked;
  anyAsked = false;
  return true;
}
