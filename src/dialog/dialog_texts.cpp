#include "dialog/search_dialog.h"

const char programName[] = "Quirel";
const char damagedDataMessage[] =
    "Die eingebauten Indexdaten sind besch\xE4" "digt. Das Programm kann nicht gestartet werden.";
const char damagedFileMessage[] =
    "Die angegebenen Indexdaten sind besch\xE4" "digt. Das Programm kann nicht gestartet werden.";
const char unreadableFileMessage[] = "Die Datei kann nicht gelesen werden:";
