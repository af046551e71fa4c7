// The resources an executable carries, as its resource script lists them on
// Windows. The layer knows none of them: the program provides the table at
// link time, and FindResourceA, DialogBoxParamA and their kin look there.
#pragma once

#include "platform/models/dialog_template.h"
#include "platform/win32/win32_types.h"

// A block of bytes under a type given by name and an integer identifier.
struct DataResource {
  const char* type;
  WORD id;
  const unsigned char* start;
  const unsigned char* end;
};

struct ProgramResources {
  const DataResource* data;
  int dataCount;
  const DialogTemplate* const* dialogs;
  int dialogCount;
};

// Provided by the program.
extern const ProgramResources programResources;
