// Small made-up data sets for the core tests, built with the producer and
// installed into the one search state.
#pragma once

#include <string>
#include <vector>

#include "producer/data_producer.h"

// Builds both data sets, installs them and resets all slots; fails the test
// when the producer refuses them.
void installBook(const std::vector<ProducerWord>& words,
                 const std::vector<ProducerHeading>& headings = {});

// Installs raw bytes without any check, as a reader would meet them.
void installRawIndex(const std::vector<unsigned char>& bytes);

// The nine words of the worked lookup examples.
std::vector<ProducerWord> nineWords();

// Runs a whole lookup for a slot and gives the display words it returned.
std::vector<std::string> lookUp(int slot, const std::string& term);

// cp1252 text from a UTF-8 literal (only the German letters are needed).
std::string cp1252(const std::string& utf8);
