// Arbitrary bytes as the word index and the heading table, followed by
// commands: a term for slot 0, 1 or 2, or a new distance.
//
// The load-time checks must agree with an independent reading of the format
// rules. A pair they accept must then answer every lookup, combination and
// result row as that reading says; a pair they refuse must leave the search
// state without data. Any read outside a data set is a finding of the
// address sanitizer, because each data set lives in an allocation of its own.
#include <cstdio>
#include <string>

#include "fuzz_input.h"
#include "reference_model.h"
#include "search/search_state.h"

namespace {

// Enough for every slot to change a few times; more only slows the run.
constexpr size_t maxCommands = 24;

struct Book {
  std::vector<unsigned char> index, headings;
  std::vector<ModelWord> words;
  std::vector<ModelHeading> titles;
  ModelLookup slots[termSlots];
};

uint32_t size32(const std::vector<unsigned char>& bytes) { return static_cast<uint32_t>(bytes.size()); }

void lookUp(Book& book, int slot, const std::vector<unsigned char>& typed) {
  SearchState& s = searchState;
  size_t length = typed.size() < textSize - 1 ? typed.size() : textSize - 1;
  std::string term(typed.begin(), typed.begin() + static_cast<long>(length));
  std::memcpy(s.termText, term.c_str(), length + 1);
  int other = (slot + 1) % termSlots, third = (slot + 2) % termSlots;
  std::vector<unsigned char> kept(s.termPages[other], s.termPages[other] + pageLimit);
  kept.insert(kept.end(), s.termPages[third], s.termPages[third] + pageLimit);
  int32_t keptCounts[2] = {s.hitCount[other], s.hitCount[third]};

  std::vector<uint32_t> offsets;
  for (const WordEntry* e = findFirstMatch(slot); e != nullptr; e = findNextMatch(slot, e)) {
    const unsigned char* at = entryBytes(e);
    FUZZ_EXPECT(at >= book.index.data() && at < book.index.data() + book.index.size());
    offsets.push_back(static_cast<uint32_t>(at - book.index.data()));
    FUZZ_EXPECT(offsets.size() <= static_cast<size_t>(wordLimit));
  }
  book.slots[slot] = modelLookUp(book.words, term);
  const ModelLookup& expected = book.slots[slot];
  FUZZ_EXPECT(offsets == expected.offsets);
  FUZZ_EXPECT(s.hitCount[slot] == expected.hitCount);
  FUZZ_EXPECT(s.message == expected.message);
  FUZZ_EXPECT(std::memcmp(s.termPages[slot], expected.pages.data(), pageLimit) == 0);
  FUZZ_EXPECT(std::memcmp(s.termPages[other], kept.data(), pageLimit) == 0);
  FUZZ_EXPECT(std::memcmp(s.termPages[third], kept.data() + pageLimit, pageLimit) == 0);
  FUZZ_EXPECT(s.hitCount[other] == keptCounts[0] && s.hitCount[third] == keptCounts[1]);
}

// One result row: the run's page part, a tab and the trail at its first page.
std::string expectedRow(const Book& book, int first, int last) {
  std::string row = std::to_string(first);
  if (last > first) row += " - " + std::to_string(last);
  return row + "\t" + modelTrail(book.titles, first);
}

void refresh(const Book& book) {
  SearchState& s = searchState;
  bool overLimit = false;
  for (const ModelLookup& slot : book.slots) overLimit = overLimit || slot.hitCount > wordLimit;
  if (!combineTerms()) {
    FUZZ_EXPECT(overLimit && s.message == messageSlotOverLimit);
    return;
  }
  FUZZ_EXPECT(!overLimit && s.message == nullptr);
  std::vector<unsigned char> pages = modelCombine(book.slots, distance);
  FUZZ_EXPECT(std::memcmp(s.resultPages, pages.data(), pageLimit) == 0);
  resetResultRows();
  int page = 0;
  while (nextResultRow()) {
    while (page < pageLimit && pages[static_cast<size_t>(page)] == 0) ++page;
    int last = page;
    while (last + 1 < pageLimit && pages[static_cast<size_t>(last + 1)] != 0) ++last;
    FUZZ_EXPECT(page < pageLimit);
    FUZZ_EXPECT(std::memchr(s.lineText, 0, textSize) != nullptr);
    FUZZ_EXPECT(s.lineText == expectedRow(book, page, last));
    page = last + 1;
  }
  while (page < pageLimit && pages[static_cast<size_t>(page)] == 0) ++page;
  FUZZ_EXPECT(page == pageLimit);
  FUZZ_EXPECT(!nextResultRow());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  Book book;
  book.index = input.lengthAndBytes();
  book.headings = input.lengthAndBytes();
  std::memset(&searchState, 0, sizeof searchState);
  distance = 1;

  std::string reason;
  bool modelAccepts = modelReadWordIndex(book.index, book.words, reason) &&
                      modelReadHeadingTable(book.headings, book.titles, reason);
  DataSetFault fault{};
  bool accepted = installDataSets(book.index.data(), size32(book.index), book.headings.data(),
                                  size32(book.headings), &fault);
  if (accepted != modelAccepts) std::fprintf(stderr, "model: %s\n", modelAccepts ? "accepts" : reason.c_str());
  FUZZ_EXPECT(accepted == modelAccepts);
  if (!accepted) {
    FUZZ_EXPECT(fault.offset <= book.index.size() || fault.offset <= book.headings.size());
    FUZZ_EXPECT(searchState.index == nullptr && searchState.headings == nullptr);
    return 0;
  }
  std::vector<std::vector<unsigned char>> commands = input.commands();
  if (commands.size() > maxCommands) commands.resize(maxCommands);
  for (const std::vector<unsigned char>& command : commands) {
    if (command.empty()) continue;
    std::vector<unsigned char> argument(command.begin() + 1, command.end());
    int slot = command[0] % 4;
    if (slot < termSlots) {
      lookUp(book, slot, argument);
    } else {
      distance = argument.empty() ? 0 : static_cast<int8_t>(argument[0]);
    }
    refresh(book);
  }
  return 0;
}
