#include "app/load_index_data.h"

#include <string_view>

#include "search/search_state.h"

// Each step hands on null when the one before found nothing, so that a
// missing data set arrives as null and is refused by the checks.
DataSetBytes findEmbeddedDataSet(HINSTANCE instance, int resourceId) {
  HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), "BIN");
  if (resource == nullptr) return {nullptr, 0};
  HGLOBAL loaded = LoadResource(instance, resource);
  if (loaded == nullptr) return {nullptr, 0};
  DWORD size = SizeofResource(instance, resource);
  return {static_cast<const unsigned char*>(LockResource(loaded)), static_cast<uint32_t>(size)};
}

// The checks also refuse every break of the formats' rules.
bool loadIndexData(HINSTANCE instance, DataSetFault* fault) {
  DataSetBytes index = findEmbeddedDataSet(instance, wordIndexResourceId);
  DataSetBytes headings = findEmbeddedDataSet(instance, headingTableResourceId);
  DataSetFault unused{};
  return installDataSets(index.bytes, index.size, headings.bytes, headings.size,
                         fault != nullptr ? fault : &unused);
}

const BookDescription& carriedBook() {
  static const BookDescription book = [] {
    DataSetBytes description = findEmbeddedDataSet(GetModuleHandleA(nullptr), bookDescriptionResourceId);
    const char* text = reinterpret_cast<const char*>(description.bytes);
    return readBookDescription(text != nullptr ? std::string_view(text, description.size) : std::string_view());
  }();
  return book;
}
