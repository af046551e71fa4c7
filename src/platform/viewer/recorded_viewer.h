// The viewer that starts nothing: it keeps the last document it was asked to
// show, for whoever drives the program without a desktop.
#pragma once

#include <string>

struct RecordedDocument {
  std::string path;   // UTF-8, as asked
  int page = 0;
};

// The document asked for since the last call, if any; forgets it.
bool takeRecordedDocument(RecordedDocument& document);
