// What the user reads instead of the dialog when a data set is refused.
#include <cassert>
#include <cstdio>

#include "dialog/search_dialog.h"

namespace {

const char* builtInName(DataSetKind dataSet) {
  return dataSet == DataSetKind::headingTable ? "\xDC" "berschriftentabelle" : "Wortindex";
}

}  // namespace

// The damaged-data message alone does not let anyone find the damage: the
// second line names the data set, the byte and the rule it breaks.
void formatRefusal(const DataSetFault& fault, const char* source, char* text, size_t size) {
  assert(text != nullptr && size > 0);
  // A file the user named is not built in, and is called by its name.
  const char* first = source != nullptr ? damagedFileMessage : damagedDataMessage;
  const char* name = source != nullptr ? source : builtInName(fault.dataSet);
  std::snprintf(text, size, "%s\n%s, Byte %u: %s", first, name,
                static_cast<unsigned>(fault.offset), dataRuleText(fault.rule));
}
