// The record of the last document asked for, kept for whoever drives the
// program without a desktop (the script driver, the tests, the page's own
// scripts). The recorder (recorded_viewer.cpp) is the viewer that only
// records; the page's viewer records beside opening its tab.
#pragma once

#include <string>

struct RecordedDocument {
  std::string path;   // UTF-8, as asked
  int page = 0;
  std::string word;   // UTF-8, as asked
};

void recordDocument(const char* path, int page, const char* word);
// The document asked for since the last call, if any; forgets it.
bool takeRecordedDocument(RecordedDocument& document);
