#include "script/script_data_sets.h"

#include "dialog/search_dialog.h"
#include "platform/win32/cp1252.h"
#include "script/script_io.h"
#include "search/search_state.h"

namespace {

std::vector<unsigned char> keptIndex;
std::vector<unsigned char> keptHeadings;

void reportRefusal(const DataSetFault& fault, const char* source) {
  char text[refusalTextSize];
  formatRefusal(fault, source, text, sizeof text);
  writeError(cp1252ToUtf8(text) + "\n");
}

// The bytes the run searches for one data set; false when a given file could
// not be read.
bool take(const GivenDataSet& given, DataSetBytes carried, std::vector<unsigned char>& kept) {
  if (!given.given) {
    kept.assign(carried.bytes, carried.bytes + carried.size);
    return true;
  }
  if (!given.unreadable.empty()) {
    writeError(cp1252ToUtf8(unreadableFileMessage) + " " + given.name + ": " + given.unreadable + "\n");
    return false;
  }
  kept = given.bytes;
  return true;
}

const char* sourceOf(const GivenDataSet& dataSet) { return dataSet.given ? dataSet.name.c_str() : nullptr; }

uint32_t sizeOf(const std::vector<unsigned char>& bytes) { return static_cast<uint32_t>(bytes.size()); }

}  // namespace

GivenDataSet dataSetFromFile(const char* path) {
  GivenDataSet dataSet{true, path, {}, {}};
  readDataFile(path, dataSet.bytes, dataSet.unreadable);
  return dataSet;
}

// Both carried: refused as the program refuses them at start. Otherwise each
// is checked alone, so that the refusal names the one that broke a rule.
bool installScriptDataSets(const GivenDataSet& index, const GivenDataSet& headings, DataSetBytes carriedIndex,
                           DataSetBytes carriedHeadings) {
  DataSetFault fault{};
  if (!index.given && !headings.given) {
    if (installDataSets(carriedIndex.bytes, carriedIndex.size, carriedHeadings.bytes, carriedHeadings.size, &fault)) {
      return true;
    }
    reportRefusal(fault, nullptr);
    return false;
  }
  if (!take(index, carriedIndex, keptIndex) || !take(headings, carriedHeadings, keptHeadings)) return false;
  if (!checkWordIndex(keptIndex.data(), sizeOf(keptIndex), &fault)) return reportRefusal(fault, sourceOf(index)), false;
  if (!checkHeadingTable(keptHeadings.data(), sizeOf(keptHeadings), &fault)) {
    return reportRefusal(fault, sourceOf(headings)), false;
  }
  return installDataSets(keptIndex.data(), sizeOf(keptIndex), keptHeadings.data(), sizeOf(keptHeadings), &fault);
}
