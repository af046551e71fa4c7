#include "coloured_pages.h"

// Before Xlib, whose macros (None, Bool) GoogleTest would meet.
#include "window_session.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>

namespace {

// Page p as red, green and blue: its bits in three fields with room on
// either side, so that a colour a step off still names its page.
struct Colour {
  int red, green, blue;
};
Colour colourOf(int page) {
  assert(page >= 1 && page < 2048);
  return {((page >> 8) & 7) * 32 + 16, ((page >> 4) & 15) * 16 + 8, (page & 15) * 16 + 8};
}

// The page a colour names, 0 for none.
int pageOf(Colour colour) {
  auto field = [](int value, int offset, int step, int& bits) {
    bits = (value - offset + step / 2) / step;
    return value >= offset - 3 && std::abs(value - (offset + bits * step)) <= 3;
  };
  int high = 0, middle = 0, low = 0;
  if (!field(colour.red, 16, 32, high) || !field(colour.green, 8, 16, middle) || !field(colour.blue, 8, 16, low)) {
    return 0;
  }
  return high * 256 + middle * 16 + low;
}

std::string pageContent(int page, const std::string& word, bool withWord) {
  const Colour colour = colourOf(page);
  char fill[96];
  std::snprintf(fill, sizeof fill, "%.6f %.6f %.6f rg 0 0 600 800 re f\n", colour.red / 255.0, colour.green / 255.0,
                colour.blue / 255.0);
  // Render mode 3: invisible, but there for the viewer's text search.
  return fill + (withWord ? "BT 3 Tr /F1 40 Tf 100 600 Td (" + word + ") Tj ET\n" : "");
}

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  void take(int x, int y) {
    left = std::min(left, x), top = std::min(top, y), right = std::max(right, x), bottom = std::max(bottom, y);
  }
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
};

Colour colourAt(XImage* image, int x, int y) {
  const unsigned long pixel = XGetPixel(image, x, y);
  auto channel = [pixel](unsigned long mask) {
    int shift = 0;
    while (((mask >> shift) & 1) == 0) ++shift;
    return static_cast<int>((pixel & mask) >> shift);
  };
  return {channel(image->red_mask), channel(image->green_mask), channel(image->blue_mask)};
}

// Inside the page's area (its edges left out), the pixels of another colour:
// a mark when they fill most of a box that is wider than high.
bool markedWithin(XImage* image, const Box& page, int shownPage, int& others) {
  Box mark;
  others = 0;
  for (int y = page.top + 3; y <= page.bottom - 3; ++y) {
    for (int x = page.left + 3; x <= page.right - 3; ++x) {
      if (pageOf(colourAt(image, x, y)) == shownPage) continue;
      ++others;
      mark.take(x, y);
    }
  }
  return others > 200 && mark.width() > 2 * mark.height() && others * 10 > mark.width() * mark.height() * 9;
}

}  // namespace

void writeColouredPdf(const std::string& path, int pages, const std::string& word, const std::vector<int>& wordPages) {
  assert(std::all_of(word.begin(), word.end(),
                     [](char c) { return c > ' ' && c < 127 && c != '(' && c != ')' && c != '\\'; }));
  std::vector<std::string> objects = {"<< /Type /Catalog /Pages 2 0 R >>", "",
                                      "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"};
  std::string kids;
  for (int page = 1; page <= pages; ++page) {
    const bool withWord = std::find(wordPages.begin(), wordPages.end(), page) != wordPages.end();
    const std::string content = pageContent(page, word, withWord);
    objects.push_back("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream");
    objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 600 800] /Resources << /Font << /F1 3 0 R >> >> "
                      "/Contents " + std::to_string(objects.size()) + " 0 R >>");
    kids += std::to_string(objects.size()) + " 0 R ";
  }
  objects[1] = "<< /Type /Pages /Count " + std::to_string(pages) + " /Kids [" + kids + "] >>";
  std::string pdf = "%PDF-1.4\n", xref = "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (std::size_t i = 0; i < objects.size(); ++i) {
    char offset[24];
    std::snprintf(offset, sizeof offset, "%010zu 00000 n \n", pdf.size());
    xref += offset;
    pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  std::ofstream(path, std::ios::binary) << pdf << xref << "trailer\n<< /Size " << objects.size() + 1
                                        << " /Root 1 0 R >>\nstartxref\n" << pdf.size() << "\n%%EOF\n";
}

PageOnScreen pageOnScreen() {
  PageOnScreen seen;
  Display* display = XOpenDisplay(VirtualScreen::display().c_str());
  if (display == nullptr) return seen.about = "no display", seen;
  XWindowAttributes root{};
  XGetWindowAttributes(display, DefaultRootWindow(display), &root);
  XImage* image = XGetImage(display, DefaultRootWindow(display), 0, 0, static_cast<unsigned>(root.width),
                            static_cast<unsigned>(root.height), AllPlanes, ZPixmap);
  std::map<int, int> pixelsOf;
  std::map<int, Box> boxOf;
  for (int y = 0; image != nullptr && y < root.height; ++y) {
    for (int x = 0; x < root.width; ++x) {
      const int page = pageOf(colourAt(image, x, y));
      if (page == 0) continue;
      ++pixelsOf[page];
      boxOf[page].take(x, y);
    }
  }
  auto most = std::max_element(pixelsOf.begin(), pixelsOf.end(), [](auto& a, auto& b) { return a.second < b.second; });
  if (most != pixelsOf.end() && most->second > 10000) {
    int others = 0;
    seen.page = most->first;
    seen.marked = markedWithin(image, boxOf[seen.page], seen.page, others);
    const Box& box = boxOf[seen.page];
    seen.about = "page " + std::to_string(seen.page) + " in " + std::to_string(box.width()) + " by " +
                 std::to_string(box.height()) + " pixels, " + std::to_string(others) + " of another colour on it";
  } else {
    seen.about = "no page on the screen";
  }
  if (image != nullptr) XDestroyImage(image);
  XCloseDisplay(display);
  return seen;
}
