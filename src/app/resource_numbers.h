/* The numbers under which the executables carry what they carry: the icon,
   the search dialog's template, the two data sets and the book description.
   Read by the resource compiler (data/quirel.rc), by the web build (its
   CMakeLists.txt reads the QUIREL_*_RESOURCE lines) and by the program; so
   plain C preprocessor lines first, the C++ names after them. */
#ifndef QUIREL_RESOURCE_NUMBERS_H
#define QUIREL_RESOURCE_NUMBERS_H

#define QUIREL_ICON_RESOURCE 101
#define QUIREL_SEARCH_DIALOG_RESOURCE 102
#define QUIREL_WORD_INDEX_RESOURCE 103
#define QUIREL_HEADING_TABLE_RESOURCE 104
#define QUIREL_BOOK_DESCRIPTION_RESOURCE 105

#ifndef RC_INVOKED
constexpr int searchDialogId = QUIREL_SEARCH_DIALOG_RESOURCE;
// The data sets and the description travel as resources of type "BIN".
constexpr int wordIndexResourceId = QUIREL_WORD_INDEX_RESOURCE;
constexpr int headingTableResourceId = QUIREL_HEADING_TABLE_RESOURCE;
constexpr int bookDescriptionResourceId = QUIREL_BOOK_DESCRIPTION_RESOURCE;
#endif

#endif
