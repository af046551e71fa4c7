// The sentence a user reads for each broken rule of the two formats. Every
// limit a sentence names is spelt from the limit itself.
#include <cassert>

#include "index/word_index.h"

// cp1252. A switch rather than a table keeps the texts read-only and lets
// the compiler see that every rule has its sentence.
const char* dataRuleText(DataRule rule) {
  switch (rule) {
    case DataRule::wordIndexMissing: return "Der Wortindex fehlt";
    case DataRule::keyPastEnd: return "Ein Schl\xFC" "ssel reicht \xFC" "ber das Ende des Datensatzes hinaus";
    case DataRule::keyTooShort: return "Ein Schl\xFC" "ssel hat weniger als " QUIREL_NUMBER(QUIREL_SHORTEST_KEY) " Codes";
    case DataRule::keyTooLong: return "Ein Schl\xFC" "ssel hat mehr als " QUIREL_NUMBER(QUIREL_LONGEST_KEY) " Codes";
    case DataRule::keyCode: return "Ein Schl\xFC" "sselbyte ist kein Code von 1 bis " QUIREL_NUMBER(QUIREL_KEY_ALPHABET_SIZE);
    case DataRule::displayWordPastEnd: return "Ein Anzeigewort reicht \xFC" "ber das Ende des Datensatzes hinaus";
    case DataRule::displayWordLength: return "Ein Anzeigewort ist nicht so lang wie sein Schl\xFC" "ssel";
    case DataRule::displayWordCharacter: return "Ein Zeichen des Anzeigeworts ergibt nicht seinen Schl\xFC" "sselcode";
    case DataRule::keyOrder: return "Ein Schl\xFC" "ssel ist nicht gr\xF6\xDF" "er als der Schl\xFC" "ssel davor";
    case DataRule::pageCountPastEnd: return "Eine Seitenanzahl reicht \xFC" "ber das Ende des Datensatzes hinaus";
    case DataRule::pageCountRange: return "Eine Seitenanzahl liegt nicht zwischen 0 und " QUIREL_NUMBER(QUIREL_PAGE_LIMIT);
    case DataRule::pagesPastEnd: return "Die Seiten eines Eintrags reichen \xFC" "ber das Ende des Datensatzes hinaus";
    case DataRule::pageRange: return "Eine Seite liegt nicht zwischen 0 und " QUIREL_NUMBER(QUIREL_LAST_PAGE);
    case DataRule::pagesNotAscending: return "Die Seiten eines Eintrags steigen nicht streng an";
    case DataRule::wordIndexEnd: return "Der Wortindex endet nicht mit zwei Nullbytes";
    case DataRule::bytesAfterEnd: return "Nach der Endmarke folgen weitere Bytes";
    case DataRule::headingTableMissing: return "Die \xDC" "berschriftentabelle fehlt";
    case DataRule::headingPastEnd: return "Ein Eintrag reicht \xFC" "ber das Ende des Datensatzes hinaus";
    case DataRule::headingPage: return "Eine Seite liegt unter 1 oder unter der Seite davor";
    case DataRule::levelRange: return "Eine Ebene ist nicht 1, 2 oder 3";
    case DataRule::firstNotChapter: return "Die Tabelle beginnt nicht mit einem Kapitel";
    case DataRule::subsectionAfterChapter: return "Ein Unterabschnitt folgt direkt auf ein Kapitel";
    case DataRule::titlePastEnd: return "Ein Titel reicht \xFC" "ber das Ende des Datensatzes hinaus";
    case DataRule::titleCharacter: return "Ein Titel enth\xE4" "lt einen Tabulator, ein Steuerzeichen oder ein undefiniertes Zeichen";
    case DataRule::fillByte: return "Das F\xFC" "llbyte ist nicht 0";
    case DataRule::trailTooLong: return "Die gleichzeitig geltenden Titel haben zusammen mehr als " QUIREL_NUMBER(QUIREL_LONGEST_TRAIL) " Zeichen";
    case DataRule::headingTableEnd: return "Die \xDC" "berschriftentabelle endet nicht mit der Seite 0";
  }
  assert(false && "a rule without its sentence");
  return "";
}
