// The statistics of a packed data set, as a two-column Markdown table of
// quantities and values. The data set must have passed its check.
#pragma once

#include <cstddef>
#include <string>

std::string wordIndexStats(const unsigned char* bytes, std::size_t size);
std::string headingTableStats(const unsigned char* bytes, std::size_t size);
