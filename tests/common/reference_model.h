// A second, deliberately plain reading of the two data formats and of term
// lookup, written from the format rules rather than from the engine: the
// hostile tests and the fuzz targets compare the engine against it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ModelWord {
  uint32_t offset;           // where the entry begins in the word index
  std::string key;           // key codes
  std::string display;
  std::vector<int> pages;
};

struct ModelHeading {
  int page;
  int level;
  std::string title;
};

// Parses and checks every rule; false, with a short reason, when one breaks.
bool modelReadWordIndex(const std::vector<unsigned char>& bytes, std::vector<ModelWord>& words,
                        std::string& reason);
bool modelReadHeadingTable(const std::vector<unsigned char>& bytes, std::vector<ModelHeading>& headings,
                           std::string& reason);

// The key codes of a typed text (case folded); false on a symbol outside the
// key alphabet.
bool modelKeyOf(const std::string& text, std::string& key);

// What a complete lookup of a typed term must give.
struct ModelLookup {
  int hitCount = 0;
  const char* message = nullptr;   // one of the engine's message texts
  std::vector<uint32_t> offsets;   // the entries returned, in order
  std::vector<unsigned char> pages = std::vector<unsigned char>(1800, 0);
};
ModelLookup modelLookUp(const std::vector<ModelWord>& words, const std::string& typed);

// The pages on which the three slots meet within the distance: an empty slot
// (hit count 0) does not restrict, a failed one lets nothing through.
std::vector<unsigned char> modelCombine(const ModelLookup (&slots)[3], int pageDistance);

// The titles in force at a page, joined as a result row shows them.
std::string modelTrail(const std::vector<ModelHeading>& headings, int page);
