#include "app/load_index_data.h"

#include "index/word_index.h"

namespace {

struct FoundDataSet {
  const unsigned char* bytes;
  uint32_t size;
};

FoundDataSet findDataSet(HINSTANCE instance, int id) {
  HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(id), "BIN");
  if (resource == nullptr) return {nullptr, 0};
  HGLOBAL loaded = LoadResource(instance, resource);
  if (loaded == nullptr) return {nullptr, 0};
  DWORD size = SizeofResource(instance, resource);
  return {static_cast<const unsigned char*>(LockResource(loaded)), static_cast<uint32_t>(size)};
}

}  // namespace

bool loadIndexData(HINSTANCE instance, DataSetFault* fault) {
  FoundDataSet index = findDataSet(instance, wordIndexResourceId);
  FoundDataSet headings = findDataSet(instance, headingTableResourceId);
  // A data set that is missing arrives as null and is refused by the checks,
  // which also refuse every break of the formats' rules.
  DataSetFault unused{};
  return installDataSets(index.bytes, index.size, headings.bytes, headings.size,
                         fault != nullptr ? fault : &unused);
}
