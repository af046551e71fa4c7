// Finding the two data sets among the executable's resources and installing
// them, with the bucket table.
#pragma once

#include "platform/win32.h"

constexpr int wordIndexResourceId = 103;
constexpr int headingTableResourceId = 104;

// False when a data set is missing or refused; the search state then holds
// no data.
bool loadIndexData(HINSTANCE instance);
