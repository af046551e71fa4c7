// The two lists that stand between the book and the packed data sets, as
// UTF-8 text with one item per line:
//   words.tsv     word TAB pages (ascending, comma-separated)
//   headings.tsv  page TAB level TAB title
// Reading checks every rule of the data formats line by line; each broken
// rule is reported as "name:line: reason".
#pragma once

#include <string>
#include <vector>

#include "producer/data_producer.h"
#include "outline_reader.h"
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
