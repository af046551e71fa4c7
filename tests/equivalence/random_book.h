// Made-up books for the differential tests: random words over a narrow
// alphabet, so that terms match often and at every position.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "producer/data_producer.h"

// `count` words of 2 to `longest` characters, with 0 to 30 pages each.
std::vector<ProducerWord> randomWords(std::mt19937& random, int count, int longest);

// Produces and installs the words as the index (with an empty heading
// table); fails the test when the producer or the checks refuse them.
void installWords(const std::vector<ProducerWord>& words);

// Installs the built-in book from the data directory; false when absent.
bool installBuiltInBook();

// A term of key codes: a piece of a random installed key, or random codes.
std::string randomTerm(std::mt19937& random, int longest);
