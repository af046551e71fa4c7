// What a script run in the page prints: kept for window.quirelScript, which
// takes it once the script has ended (script_io.h writes here in the page).
#pragma once

void clearScriptOutput();
