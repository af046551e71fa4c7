// The two lists that stand between the book and the packed data sets, as
// UTF-8 text with one item per line:
//   words.tsv     word TAB pages (comma-separated; written ascending)
//   headings.tsv  page TAB level TAB title
// Reading checks the lists' own form line by line and reports each broken
// line as "name:line: reason"; the data sets' rules are the load-time
// checks', applied when the lists are packed (packList below).
#pragma once

#include <string>
#include <vector>

#include "producer/data_producer.h"
#include "outline_headings.h"
#include "word_tally.h"

std::string wordsTsv(const std::vector<TalliedWord>& words);
std::string headingsTsv(const std::vector<OutlineHeading>& headings);

// The words come out in cp1252, each with the line it stood on.
bool readWordsTsv(const std::string& text, const std::string& name,
                  std::vector<ProducerWord>& words, std::vector<std::size_t>& lineOf,
                  std::vector<std::string>& errors);
bool readHeadingsTsv(const std::string& text, const std::string& name,
                     std::vector<ProducerHeading>& headings, std::vector<std::size_t>& lineOf,
                     std::vector<std::string>& errors);

// Reads one list, named `name` in its faults, and packs it into its data
// set; every fault, of the list or of the data-set rules, is reported by the
// line it stands on.
bool packWordList(const std::string& text, const std::string& name, std::string& bytes,
                  std::vector<std::string>& errors);
bool packHeadingList(const std::string& text, const std::string& name, std::string& bytes,
                     std::vector<std::string>& errors);
