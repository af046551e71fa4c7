// Showing a document in the reader's own viewer, at a page where the viewer
// has a way to be told one. One implementation is linked into each
// executable: the desktop's (the default application for the document's type
// on Linux, the file association on Windows), or the recorder, which starts
// nothing and keeps what it was asked, for the script driver and the tests.
#pragma once

enum class ViewerStart {
  started,    // the viewer is on its way; it is never waited for
  noViewer,   // the desktop names no viewer for this kind of document
  failed,     // a viewer is named, but it could not be started
};

// path: the document's full path, UTF-8. page: a page of the document,
// counted from 1.
ViewerStart showDocumentAtPage(const char* path, int page);
