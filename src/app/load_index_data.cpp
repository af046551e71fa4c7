#include "app/load_index_data.h"

#include "search/search_state.h"

// Each step hands on null when the one before found nothing, so that a
// missing data set arrives as null and is refused by the checks.
EmbeddedDataSet findEmbeddedDataSet(HINSTANCE instance, int resourceId) {
  HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), "BIN");
  if (resource == nullptr) return {nullptr, 0};
  HGLOBAL loaded = LoadResource(instance, resource);
  if (loaded == nullptr) return {nullptr, 0};
  DWORD size = SizeofResource(instance, resource);
  return {static_cast<const unsigned char*>(LockResource(loaded)), static_cast<uint32_t>(size)};
}

// The checks also refuse every break of the formats' rules.
bool loadIndexData(HINSTANCE instance, DataSetFault* fault) {
  EmbeddedDataSet index = findEmbeddedDataSet(instance, wordIndexResourceId);
  EmbeddedDataSet headings = findEmbeddedDataSet(instance, headingTableResourceId);
  DataSetFault unused{};
  return installDataSets(index.bytes, index.size, headings.bytes, headings.size,
                         fault != nullptr ? fault : &unused);
}
