// A cross-check of the outline against the text: every heading should be
// printed on the page that the outline gives for it.
#pragma once

#include <string>
#include <vector>

#include "book_pages.h"
#include "outline_reader.h"

// One note for every heading of which no line on its page begins with the
// title's first words, either bare or after the number ("1.2 Titel").
std::vector<std::string> headingsNotOnTheirPage(const std::vector<OutlineHeading>& headings,
                                                const std::vector<BookLine>& lines);
