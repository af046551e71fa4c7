// What the page's program carries: dialog template 102, and the book's two
// data sets and description, which the page unpacks before main and places
// here (page_start.js, pack_resources.cmake). Until then each resource is
// missing, and would be refused as a missing one is.
#include <emscripten.h>

#include "app/load_index_data.h"
#include "app/search_dialog_template.h"
#include "index/word_index.h"
#include "platform/models/resources.h"

namespace {

DataResource dataSets[] = {
    {"BIN", wordIndexResourceId, nullptr, nullptr},
    {"BIN", headingTableResourceId, nullptr, nullptr},
    {"BIN", bookDescriptionResourceId, nullptr, nullptr},
};

constexpr const DialogTemplate* dialogs[] = {&searchDialogTemplate};

}  // namespace

const ProgramResources programResources = {
    dataSets, static_cast<int>(sizeof dataSets / sizeof dataSets[0]),
    dialogs, static_cast<int>(sizeof dialogs / sizeof dialogs[0]),
};

// The bytes stay where the page put them for the life of the page.
extern "C" EMSCRIPTEN_KEEPALIVE void quirelPlaceResource(int id, const unsigned char* bytes, int size) {
  for (DataResource& resource : dataSets) {
    if (resource.id == id) resource = {resource.type, resource.id, bytes, bytes + size};
  }
}
