#include "sqlite_peer.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "search/search_state.h"

namespace {

sqlite3* database = nullptr;
sqlite3_stmt* prefixQuery = nullptr;
sqlite3_stmt* substringQuery = nullptr;
sqlite3_stmt* windowQuery = nullptr;

void check(int status, const char* what) {
  if (status == SQLITE_OK || status == SQLITE_DONE || status == SQLITE_ROW) return;
  std::fprintf(stderr, "sqlite: %s: %s\n", what, sqlite3_errmsg(database));
  std::exit(1);
}

void execute(const char* sql) { check(sqlite3_exec(database, sql, nullptr, nullptr, nullptr), sql); }

sqlite3_stmt* prepare(const char* sql) {
  sqlite3_stmt* statement = nullptr;
  check(sqlite3_prepare_v3(database, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr), sql);
  return statement;
}

void insertWords() {
  sqlite3_stmt* insert = prepare("INSERT INTO words(key, display, pages) VALUES (?1, ?2, ?3)");
  for (const WordEntry* e = entryAt(searchState.index); e != nullptr; e = nextEntry(e)) {
    uint32_t keyLen = keyLength(e);
    const unsigned char* pages = pagesOf(e);
    sqlite3_bind_blob(insert, 1, keyOf(e), static_cast<int>(keyLen), SQLITE_STATIC);
    sqlite3_bind_text(insert, 2, displayWordOf(e), static_cast<int>(keyLen), SQLITE_STATIC);
    sqlite3_bind_blob(insert, 3, pages, 2 * pageCountOf(e), SQLITE_STATIC);
    check(sqlite3_step(insert), "insert");
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
}

void insertWindowStarts() {
  sqlite3_stmt* insert = prepare("INSERT INTO starts(b) VALUES (?1)");
  for (int page = 0; page < pageLimit; ++page) {
    sqlite3_bind_int(insert, 1, page);
    check(sqlite3_step(insert), "insert start");
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
}

// Takes the rows of a lookup as Quirel takes words: the pages of the first
// 100 are marked, the 101st only tells that there are more.
int takeRows(sqlite3_stmt* query, unsigned char* pageMap) {
  std::memset(pageMap, 0, pageLimit);
  int rows = 0;
  while (sqlite3_step(query) == SQLITE_ROW) {
    if (++rows > wordLimit) break;
    (void)sqlite3_column_text(query, 0);
    auto pages = static_cast<const unsigned char*>(sqlite3_column_blob(query, 1));
    int count = sqlite3_column_bytes(query, 1) / 2;
    for (int i = 0; i < count; ++i) {
      int page = static_cast<int16_t>(pages[2 * i] | (pages[2 * i + 1] << 8));
      if (page >= 0 && page < pageLimit) pageMap[page] = 1;
    }
  }
  sqlite3_reset(query);
  return rows;
}

}  // namespace

void openPeer() {
  if (database != nullptr) return;
  check(sqlite3_open(":memory:", &database), "open");
  execute("CREATE TABLE words(key BLOB PRIMARY KEY, display TEXT, pages BLOB) WITHOUT ROWID");
  execute("CREATE TABLE hits(slot INTEGER, page INTEGER, PRIMARY KEY(slot, page)) WITHOUT ROWID");
  execute("CREATE TABLE starts(b INTEGER PRIMARY KEY)");
  execute("BEGIN");
  insertWords();
  insertWindowStarts();
  execute("COMMIT");
  execute("ANALYZE");
  prefixQuery = prepare(
      "SELECT display, pages FROM words WHERE key >= ?1 AND key < ?2 ORDER BY key LIMIT 101");
  substringQuery = prepare("SELECT display, pages FROM words WHERE instr(key, ?1) > 0 LIMIT 101");
  windowQuery = prepare(
      "SELECT min(f0, f1, f2), max(f0, f1, f2) FROM (SELECT"
      " (SELECT min(page) FROM hits WHERE slot = 0 AND page BETWEEN b AND min(b + ?1, 1799)) AS f0,"
      " (SELECT min(page) FROM hits WHERE slot = 1 AND page BETWEEN b AND min(b + ?1, 1799)) AS f1,"
      " (SELECT min(page) FROM hits WHERE slot = 2 AND page BETWEEN b AND min(b + ?1, 1799)) AS f2"
      " FROM starts) WHERE f0 IS NOT NULL AND f1 IS NOT NULL AND f2 IS NOT NULL");
}

int peerPrefixLookup(const std::string& keyCodes, unsigned char* pageMap) {
  // Every key that begins with the codes lies below the codes with the last
  // one raised by one.
  std::string above = keyCodes;
  above.back() = static_cast<char>(above.back() + 1);
  sqlite3_bind_blob(prefixQuery, 1, keyCodes.data(), static_cast<int>(keyCodes.size()), SQLITE_TRANSIENT);
  sqlite3_bind_blob(prefixQuery, 2, above.data(), static_cast<int>(above.size()), SQLITE_TRANSIENT);
  return takeRows(prefixQuery, pageMap);
}

int peerSubstringLookup(const std::string& keyCodes, unsigned char* pageMap) {
  sqlite3_bind_blob(substringQuery, 1, keyCodes.data(), static_cast<int>(keyCodes.size()), SQLITE_TRANSIENT);
  return takeRows(substringQuery, pageMap);
}

void peerTakeSlots() {
  execute("DELETE FROM hits");
  execute("BEGIN");
  sqlite3_stmt* insert = prepare("INSERT INTO hits(slot, page) VALUES (?1, ?2)");
  for (int slot = 0; slot < termSlots; ++slot) {
    for (int page = 0; page < pageLimit; ++page) {
      if (searchState.termPages[slot][page] != 1) continue;
      sqlite3_bind_int(insert, 1, slot);
      sqlite3_bind_int(insert, 2, page);
      check(sqlite3_step(insert), "insert hit");
      sqlite3_reset(insert);
    }
  }
  sqlite3_finalize(insert);
  execute("COMMIT");
}

void peerCombine(int32_t pageDistance, unsigned char* marks) {
  int16_t reach[pageLimit];
  std::fill(reach, reach + pageLimit, static_cast<int16_t>(-1));
  sqlite3_bind_int(windowQuery, 1, pageDistance);
  while (sqlite3_step(windowQuery) == SQLITE_ROW) {
    int low = sqlite3_column_int(windowQuery, 0), high = sqlite3_column_int(windowQuery, 1);
    reach[low] = static_cast<int16_t>(std::max<int>(reach[low], high));
  }
  sqlite3_reset(windowQuery);
  int marked = -1;
  for (int page = 0; page < pageLimit; ++page) {
    marked = std::max<int>(marked, reach[page]);
    marks[page] = page <= marked ? 1 : 0;
  }
}
