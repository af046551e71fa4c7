// A test's look at the window: when WINDOW_LAYER_DUMP names a file, the
// signal SIGUSR1 makes the window write there what its widgets show.
#pragma once

#include "platform/fltk/fltk_widgets.h"

// Starts listening for the signal, when the variable is set.
void listenForDumpRequests();
// True once per signal received.
bool dumpRequested();
// Writes the widgets' contents, replacing the file whole.
void writeWidgetDump(DialogWidget& window);
