// The search engine on the built-in book: start-up, lookups, the combination
// and the result rows, next to the physical limit of reading the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "search/search_state.h"
#include "book.h"
#include "literal_search.h"
#include "terms.h"

namespace {

void startUp(benchmark::State& state) {
  DataSet index = builtInDataSet(103), headings = builtInDataSet(104);
  DataSetFault fault{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(installDataSets(index.bytes, index.size, headings.bytes, headings.size, &fault));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * (index.size + headings.size));
}

// The floor of a prefix lookup: the work any method must do with the
// matched entries already in hand: each one's key read against the term and
// its pages marked in a cleared map. The term is in key codes.
void lookUpFloor(benchmark::State& state, const std::string& term) {
  installBuiltInBook();
  std::vector<const WordEntry*> matched;
  std::strcpy(searchState.termText, term.c_str());
  for (const WordEntry* e = findFirstMatch(0); e != nullptr; e = findNextMatch(0, e)) matched.push_back(e);
  const std::string codes = searchState.termText;  // normalised by the lookup
  unsigned char* map = searchState.termPages[0];
  for (auto _ : state) {
    std::memset(map, 0, pageLimit);
    for (const WordEntry* e : matched) {
      benchmark::DoNotOptimize(std::strncmp(codes.c_str(), keyOf(e), codes.size()));
      const unsigned char* pages = pagesOf(e);
      int32_t count = pageIn(pages, -1);
      for (int32_t i = 0; i < count; ++i) map[uint16At(pages + 2 * i)] = 1;
    }
    benchmark::ClobberMemory();
  }
  state.counters["words"] = static_cast<double>(matched.size());
}

void lookUp(benchmark::State& state, const std::string& term, bool formatted) {
  installBuiltInBook();
  int words = 0;
  for (auto _ : state) {
    words = lookUpToEnd(0, term.c_str(), formatted);
  }
  state.counters["words"] = words;
}

// Chained scans through the whole index, resuming after each hit, without
// the limit: the substring search's own work, fast or literal.
template <const WordEntry* (*scan)(const WordEntry*, const char*, uint32_t)>
void scanIndex(benchmark::State& state, const char* term) {
  installBuiltInBook();
  std::string codes = term;
  normaliseTerm(codes.data());
  auto length = static_cast<uint32_t>(codes.size());
  int hits = 0;
  for (auto _ : state) {
    hits = 0;
    for (const WordEntry* e = scan(entryAt(searchState.index), codes.c_str(), length); e != nullptr;
         e = scan(nextEntry(e), codes.c_str(), length)) {
      ++hits;
    }
    benchmark::DoNotOptimize(hits);
  }
  state.counters["words"] = hits;
}

template <bool (*combine)()>
void combination(benchmark::State& state, Density density, int32_t pageDistance) {
  fillSlotsWith(density);
  distance = pageDistance;
  for (auto _ : state) {
    benchmark::DoNotOptimize(combine());
  }
  int marked = 0;
  for (unsigned char page : searchState.resultPages) marked += page;
  state.counters["marked"] = marked;
}

void resultRows(benchmark::State& state, Density density, int32_t pageDistance) {
  installBuiltInBook();
  fillSlotsWith(density);
  distance = pageDistance;
  combineTerms();
  int rows = 0;
  for (auto _ : state) {
    rows = 0;
    resetResultRows();
    while (nextResultRow()) ++rows;
  }
  state.counters["rows"] = rows;
}

// One pass of memchr over a byte range, for a byte that is rare there, so
// that the pass is one long search and not many short ones.
unsigned char rarestByte(const unsigned char* bytes, uint32_t size) {
  uint32_t counts[256] = {};
  for (uint32_t i = 0; i < size; ++i) ++counts[bytes[i]];
  int rarest = 0;
  for (int b = 1; b < 256; ++b) rarest = counts[b] < counts[rarest] ? b : rarest;
  return static_cast<unsigned char>(rarest);
}

void memchrPass(benchmark::State& state, const unsigned char* bytes, uint32_t size) {
  unsigned char wanted = rarestByte(bytes, size);
  const unsigned char* end = bytes + size;
  for (auto _ : state) {
    int found = 0;
    for (const void* at = bytes; (at = std::memchr(at, wanted, static_cast<size_t>(end - static_cast<const unsigned char*>(at)))) != nullptr;
         at = static_cast<const unsigned char*>(at) + 1) {
      ++found;
    }
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * size);
}

const char* densityName(Density density) { return density == Density::dense ? "dense" : "sparse"; }

}  // namespace

void registerCoreBenchmarks() {
  using benchmark::RegisterBenchmark;
  RegisterBenchmark("startup", startUp);
  for (const char* term : prefixTerms) {
    RegisterBenchmark(("prefix/" + std::string(term)).c_str(), lookUp, std::string(term), true);
    RegisterBenchmark(("prefix/" + std::string(term) + "/lookup").c_str(), lookUp, std::string(term), false);
    RegisterBenchmark(("prefix/" + std::string(term) + "/floor").c_str(), lookUpFloor, std::string(term));
  }
  for (const char* term : substringTerms) {
    RegisterBenchmark(("substring/" + std::string(term)).c_str(), lookUp, "*" + std::string(term), false);
    RegisterBenchmark(("scan/" + std::string(term)).c_str(), scanIndex<findSubstringMatch>, term);
    RegisterBenchmark(("scan/" + std::string(term) + "/literal").c_str(), scanIndex<literalFindSubstringMatch>, term);
  }
  for (Density density : {Density::sparse, Density::dense}) {
    for (int32_t d : {0, 1, 99}) {
      std::string name = "combine/" + std::string(densityName(density)) + "/d" + std::to_string(d);
      RegisterBenchmark(name.c_str(), combination<combineTerms>, density, d);
      RegisterBenchmark((name + "/literal").c_str(), combination<literalCombineTerms>, density, d);
    }
    RegisterBenchmark(("rows/" + std::string(densityName(density)) + "/d1").c_str(), resultRows, density, 1);
  }
  RegisterBenchmark("memchr/index", [](benchmark::State& state) {
    DataSet index = builtInDataSet(103);
    memchrPass(state, index.bytes, index.size);
  });
  RegisterBenchmark("memchr/pagemaps", [](benchmark::State& state) {
    fillSlotsWith(Density::dense);
    memchrPass(state, &searchState.termPages[0][0], termSlots * pageLimit);
  });
}
