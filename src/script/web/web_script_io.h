// A dialog script run in the page (window.quirelScript, web_script.js): its
// text is the script's input, what it prints is kept until the script has
// ended, its data sets come from the page's memory, and its picks and reads
// go through the page's own elements.
#pragma once

#include "script/script_commands.h"
#include "script/script_data_sets.h"

// A new run's input; what an earlier run printed is forgotten.
void startPageScript(const char* text, int size);

// A data set as web_script.js places it: its bytes, the name it is reported
// by, and why it could not be read (empty when it could); a null name for
// the one the page carries.
struct PageDataSet {
  const unsigned char* bytes;
  int size;
  const char* name;
  const char* unreadable;
};
GivenDataSet givenByPage(const PageDataSet& given);

// Clicks and readings through the page's elements, not the messages.
extern const ScriptSurface pageSurface;
