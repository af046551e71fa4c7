// SQLite answering the lookups and the combination that Quirel answers in
// core_bench.cpp; each benchmark first checks that both give the same words
// and pages.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "book.h"
#include "sqlite_peer.h"
#include "terms.h"

namespace {

std::string keyCodesOf(const std::string& term) {
  std::string codes = term;
  normaliseTerm(codes.data());
  return codes;
}

using PeerLookup = int (*)(const std::string&, unsigned char*);

// Quirel's outcome of the same term: rows read (the 101st included when the
// limit stopped it) and the page map.
bool sameOutcome(const std::string& typed, int peerRows, const unsigned char* peerPages) {
  int words = lookUpToEnd(0, typed.c_str(), false);
  int rows = searchState.hitCount[0] == overLimit ? overLimit : words;
  return rows == peerRows && std::memcmp(peerPages, searchState.termPages[0], pageLimit) == 0;
}

void peerLookUp(benchmark::State& state, const std::string& typed, PeerLookup lookup) {
  installBuiltInBook();
  openPeer();
  bool star = typed[0] == '*';
  std::string codes = keyCodesOf(star ? typed.substr(1) : typed);
  static unsigned char pages[pageLimit];
  int rows = lookup(codes, pages);
  if (!sameOutcome(typed, rows, pages)) {
    state.SkipWithError("SQLite and Quirel disagree");
    return;
  }
  for (auto _ : state) {
    rows = lookup(codes, pages);
  }
  state.counters["words"] = rows > wordLimit ? wordLimit : rows;
}

void peerCombination(benchmark::State& state, Density density, int32_t pageDistance) {
  installBuiltInBook();
  openPeer();
  fillSlotsWith(density);
  peerTakeSlots();
  distance = pageDistance;
  combineTerms();
  static unsigned char marks[pageLimit];
  peerCombine(pageDistance, marks);
  if (std::memcmp(marks, searchState.resultPages, pageLimit) != 0) {
    state.SkipWithError("SQLite and Quirel disagree");
    return;
  }
  for (auto _ : state) {
    peerCombine(pageDistance, marks);
  }
}

}  // namespace

void registerPeerBenchmarks() {
  using benchmark::RegisterBenchmark;
  for (const char* term : prefixTerms) {
    RegisterBenchmark(("prefix/" + std::string(term) + "/sqlite").c_str(), peerLookUp, std::string(term),
                      peerPrefixLookup);
  }
  for (const char* term : substringTerms) {
    RegisterBenchmark(("substring/" + std::string(term) + "/sqlite").c_str(), peerLookUp,
                      "*" + std::string(term), peerSubstringLookup);
  }
  for (Density density : {Density::sparse, Density::dense}) {
    for (int32_t d : {0, 1, 99}) {
      std::string name = std::string("combine/") + (density == Density::dense ? "dense" : "sparse") + "/d" +
                         std::to_string(d) + "/sqlite";
      RegisterBenchmark(name.c_str(), peerCombination, density, d);
    }
  }
}
