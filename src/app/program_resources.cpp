// What the executable carries where no resource compiler builds it in: the
// two data sets and the book description, linked in place by the assembler
// (embedded_data.S), and dialog template 102.
#include "platform/models/resources.h"

#include "app/load_index_data.h"
#include "app/search_dialog_template.h"
#include "index/word_index.h"

extern "C" const unsigned char quirelWordIndexStart[];
extern "C" const unsigned char quirelWordIndexEnd[];
extern "C" const unsigned char quirelHeadingTableStart[];
extern "C" const unsigned char quirelHeadingTableEnd[];
extern "C" const unsigned char quirelBookDescriptionStart[];
extern "C" const unsigned char quirelBookDescriptionEnd[];

namespace {

constexpr DataResource dataSets[] = {
    {"BIN", wordIndexResourceId, quirelWordIndexStart, quirelWordIndexEnd},
    {"BIN", headingTableResourceId, quirelHeadingTableStart, quirelHeadingTableEnd},
    {"BIN", bookDescriptionResourceId, quirelBookDescriptionStart, quirelBookDescriptionEnd},
};

constexpr const DialogTemplate* dialogs[] = {&searchDialogTemplate};

}  // namespace

const ProgramResources programResources = {
    dataSets, static_cast<int>(sizeof dataSets / sizeof dataSets[0]),
    dialogs, static_cast<int>(sizeof dialogs / sizeof dialogs[0]),
};
