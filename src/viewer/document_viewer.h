// Showing a document in the reader's own viewer, at a page where the viewer
// has a way to be told one, and with a word of that page marked where the
// viewer can be told a word to find and finds it from that page. One
// implementation is linked into each executable: the desktop's (the default
// application for the document's type on Linux, the file association on
// Windows), or the recorder, which starts nothing and keeps what it was
// asked, for the script driver and the tests.
#pragma once

enum class ViewerStart {
  started,    // the viewer is on its way; it is never waited for
  noViewer,   // the desktop names no viewer for this kind of document
  failed,     // a viewer is named, but it could not be started
};

// path: the document's full path, UTF-8. page: a page of the document,
// counted from 1. word: a word that stands on that page, UTF-8, not empty;
// it reaches the viewer as its own argument, or percent-encoded in an
// address, and never as an option.
ViewerStart showDocumentAtPage(const char* path, int page, const char* word);
