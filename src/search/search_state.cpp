// The one search state record, the distance beside it, and the fixed
// messages. All of it is zero at process start.
#include "search/search_state.h"

SearchState searchState;
int32_t distance;
char distanceText[4];

// cp1252 texts; a hex escape is followed by a literal break where the next
// character would be read as a hex digit.
const char messageStarTooShort[] = "[Suche mit Stern ben\xF6tigt mindestens zwei Zeichen]";
const char messageInvalidSymbol[] = "[Suchbegriff enth\xE4lt unzul\xE4ssige Zeichen]";
const char messageNotFound[] = "[Suchbegriff nicht gefunden]";
const char messageTooManyWords[] = "[Mehr als " QUIREL_NUMBER(QUIREL_WORD_LIMIT) " Funde. Bitte Suchbegriff erweitern]";
const char messageSlotOverLimit[] = "[F\xFCr mindestens einen Suchbegriff existieren mehr als " QUIREL_NUMBER(QUIREL_WORD_LIMIT) " Funde]";
