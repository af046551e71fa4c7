// The book's files as the page sees them: the PDF is the page's neighbour on
// its server (or in the folder of a page opened from file://), or in the
// folder whose address the build gives (QUIREL_PDF_FOLDER_URL), named by its
// address. Served over http(s), the page asks its own server whether the PDF
// is there before a tab opens; from file:// a page cannot look, so the link
// opens. It reads no checksum.
#include <emscripten.h>

#include <cstdlib>

#include "book/book_files.h"
#include "viewer/percent_encoding.h"

namespace {

// The folder of the page's own address, with its closing '/'.
EM_JS(char*, pageFolderAddress, (), {
  var address = location.href.split('#')[0].split('?')[0];
  return allocateUTF8(address.substring(0, address.lastIndexOf('/') + 1));
});

// A HEAD request to the page's own server, waited for: the double-click
// must open its tab while the reader's gesture still lets it. Another
// server, or file://, cannot be asked; the link is taken to be there.
EM_JS(int, pageServerHas, (const char* address), {
  var target = new URL(UTF8ToString(address), location.href);
  if (!/^https?:$/.test(location.protocol) || target.origin !== location.origin) return 1;
  var request = new XMLHttpRequest();
  try {
    request.open('HEAD', target.href, false);
    request.send();
  } catch (error) {
    return 0;
  }
  return request.status >= 200 && request.status < 300 ? 1 : 0;
});

}  // namespace

std::string programDirectory() {
#ifdef QUIREL_PDF_FOLDER_URL
  return QUIREL_PDF_FOLDER_URL;
#else
  char* folder = pageFolderAddress();
  std::string address = folder;
  std::free(folder);
  return address;
#endif
}

std::string pathIn(const std::string& directory, const std::string& fileName) {
  bool closed = !directory.empty() && directory.back() == '/';
  return directory + (closed ? "" : "/") + percentEncoded(fileName);
}

bool isRegularFile(const std::string& path) { return pageServerHas(path.c_str()) != 0; }

bool sha256OfFile(const std::string&, unsigned char (&)[sha256Size]) { return false; }
