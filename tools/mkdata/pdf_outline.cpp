// The outline from the catalog's /Outlines: entries linked by /First and
// /Next, each with a title and a destination (/Dest, or a GoTo action's /D),
// explicit or named. Named destinations are looked up in the catalog's
// /Dests dictionary and its /Names /Dests name tree, the tree walked once
// for all of them.
#include <Catalog.h>
#include <Link.h>
#include <PDFDoc.h>
#include <Page.h>
#include <XRef.h>

#include <memory>
#include <set>

#include "pdf_catalog.h"

namespace {

struct ReadEntry {
  PdfOutlineEntry entry;
  std::unique_ptr<LinkDest> destination;   // explicit, or found by name
  std::string name;                        // a named destination not yet found
};

// The destination of an outline item, or the name it goes by: its /Dest,
// or the /D of a GoTo action (whose /Next actions, a chain poppler would
// follow by recursion, are of no concern here).
void destinationOf(const Object& item, ReadEntry& read) {
  Object dest = item.dictLookup("Dest");
  const Object action = item.dictLookup("A");
  if (dest.isNull() && action.isDict() && action.dictLookup("S").isName("GoTo")) dest = action.dictLookup("D");
  std::unique_ptr<LinkAction> link = dest.isNull() ? nullptr : LinkAction::parseDest(&dest);
  const auto* goTo = link != nullptr && link->getKind() == actionGoTo ? static_cast<const LinkGoTo*>(link.get()) : nullptr;
  if (goTo == nullptr || !goTo->isOk()) return;
  if (goTo->getDest() != nullptr) read.destination = std::make_unique<LinkDest>(*goTo->getDest());
  if (goTo->getNamedDest() != nullptr) read.name = goTo->getNamedDest()->toStr();
}

ReadEntry readEntry(const Object& item, int depth) {
  ReadEntry read{{depth, "", 0, false}, nullptr, ""};
  const Object title = item.dictLookup("Title");
  if (title.isString()) read.entry.title = utf8OfTextString(*title.getString(), longestOutlineTitle);
  destinationOf(item, read);
  return read;
}

// Items in reading order: an item, its children, then its next sibling.
// The stack holds, per depth, the next sibling still to read; an item met a
// second time (a cycle, or a list shared by two parents) ends its list.
std::vector<ReadEntry> readItems(XRef* xref, const Object& outlines, bool& cut) {
  std::vector<ReadEntry> items;
  std::vector<Object> nextAt;  // nextAt[d - 1]: the next item at depth d
  nextAt.push_back(outlines.dictLookupNF("First").copy());
  std::set<Ref> seen;
  const Object catalog = xref->getCatalog();
  if (catalog.isDict() && catalog.dictLookupNF("Outlines").isRef()) seen.insert(catalog.dictLookupNF("Outlines").getRef());
  while (!nextAt.empty()) {
    const Object next = std::move(nextAt.back());
    nextAt.pop_back();
    if (!next.isRef() || !seen.insert(next.getRef()).second) continue;
    const Object item = next.fetch(xref);
    if (!item.isDict()) continue;
    if (items.size() == mostOutlineEntries) {
      cut = true;
      break;
    }
    const int depth = static_cast<int>(nextAt.size()) + 1;
    items.push_back(readEntry(item, depth));
    nextAt.push_back(item.dictLookupNF("Next").copy());
    if (depth < deepestOutlineDepth) nextAt.push_back(item.dictLookupNF("First").copy());
  }
  return items;
}

// The named destinations the entries wait for, from the /Dests dictionary
// or the name tree's leaves (walked from a stack, each node once).
void findNamed(PDFDoc& document, std::vector<ReadEntry>& items) {
  std::map<std::string, std::vector<ReadEntry*>> waiting;
  for (ReadEntry& read : items) {
    if (read.destination == nullptr && !read.name.empty()) waiting[read.name].push_back(&read);
  }
  if (waiting.empty()) return;
  // A value is fetched only for a name that is waited for.
  auto take = [&waiting](const std::string& name, const auto& valueOf) {
    const auto found = waiting.find(name);
    if (found == waiting.end()) return;
    const Object value = valueOf();
    const Object array = value.isDict() ? value.dictLookup("D") : value.copy();
    if (!array.isArray()) return;
    for (ReadEntry* read : found->second) read->destination = std::make_unique<LinkDest>(array.getArray());
    waiting.erase(found);
  };
  Object* dests = document.getCatalog()->getDests();
  for (int i = 0; dests != nullptr && dests->isDict() && i < dests->dictGetLength(); ++i)
    take(dests->dictGetKey(i), [&] { return dests->dictGetVal(i); });
  const Object catalog = document.getXRef()->getCatalog();
  const Object names = catalog.isDict() ? catalog.dictLookup("Names") : Object(objNull);
  std::vector<Object> nodes;
  if (names.isDict()) nodes.push_back(names.dictLookup("Dests"));
  std::set<Ref> seen;
  while (!nodes.empty() && !waiting.empty()) {
    const Object node = std::move(nodes.back());
    nodes.pop_back();
    if (!node.isDict()) continue;
    const Object leaves = node.dictLookup("Names");
    for (int i = 0; leaves.isArray() && i + 1 < leaves.arrayGetLength(); i += 2) {
      const Object key = leaves.arrayGet(i);
      if (key.isString()) take(key.getString()->toStr(), [&] { return leaves.arrayGet(i + 1); });
    }
    const Object kids = node.dictLookup("Kids");
    for (int i = 0; kids.isArray() && i < kids.arrayGetLength(); ++i) {
      const Object& kid = kids.arrayGetNF(i);
      if (!kid.isRef() || seen.insert(kid.getRef()).second) nodes.push_back(kid.fetch(document.getXRef()));
    }
  }
}

// The page and place of a destination. Some typesetters put a chapter's
// anchor at the end of the page before it, below the last line of text;
// the caller decides by the page's text.
void placeEntry(PDFDoc& document, const std::map<Ref, int>& pageOf, ReadEntry& read) {
  const LinkDest* destination = read.destination.get();
  if (destination == nullptr || !destination->isOk()) return;
  int page = 0;
  if (destination->isPageRef()) {
    const auto found = pageOf.find(destination->getPageRef());
    page = found == pageOf.end() ? 0 : found->second;
  } else if (destination->getPageNum() >= 1 && destination->getPageNum() <= document.getNumPages()) {
    page = destination->getPageNum();
  }
  const Page* pdfPage = page != 0 ? document.getPage(page) : nullptr;
  if (pdfPage == nullptr) return;
  read.entry.pdfPage = page;
  const bool turned = pdfPage->getRotate() % 180 != 0;
  const double height = turned ? pdfPage->getCropWidth() : pdfPage->getCropHeight();
  read.entry.nearPageFoot = destination->getChangeTop() && destination->getTop() - pdfPage->getCropBox()->y1 < height / 6;
}

}  // namespace

std::vector<PdfOutlineEntry> outlineEntries(PDFDoc& document, const std::map<Ref, int>& pageOf, bool& cut) {
  cut = false;
  const Object* outlines = document.getCatalog()->getOutline();
  if (outlines == nullptr || !outlines->isDict()) return {};
  std::vector<ReadEntry> items = readItems(document.getXRef(), *outlines, cut);
  findNamed(document, items);
  std::vector<PdfOutlineEntry> outline;
  for (ReadEntry& read : items) {
    placeEntry(document, pageOf, read);
    outline.push_back(read.entry);
  }
  return outline;
}
