// What the whole search dialog must show, read from a plain reading of the
// rules: each word list follows from its term field's text alone, and the
// results list from the three terms and the distance field's text. The
// hostile dialog tests and the script fuzz target compare the real dialog,
// after every action, against it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/win32.h"
#include "reference_model.h"

struct ShownList {
  std::vector<std::string> lines;
  int selection = -1;
  int horizontalExtent = 0;
  bool operator==(const ShownList&) const = default;
};

struct ShownDialog {
  std::string terms[3];        // cp1252, as the fields hold them
  std::string distanceText;
  ShownList words[3];
  ShownList results;
  int32_t hitCounts[3] = {0, 0, 0};
  bool operator==(const ShownDialog&) const = default;
};

struct ModelBook {
  std::vector<ModelWord> words;
  std::vector<ModelHeading> headings;
};

// The book the search state holds now, read by the reference model.
bool modelBookOfSearchState(ModelBook& book, std::string& reason);

// The dialog as its controls show it; the hit counts from the search state.
ShownDialog readShownDialog(HWND dialog);

// What the dialog must show for these field texts.
ShownDialog modelDialog(const ModelBook& book, const std::string (&terms)[3], const std::string& distanceFieldText);

// The word a double-click on a row that begins on `page` tells the viewer
// to find: of the terms in slot order, the first word a term takes, in list
// order, that stands on the page; "" when none does.
std::string modelWordOnPage(const ModelBook& book, const std::string (&terms)[3], int page);

// A readable account of where two dialogs differ; empty when they agree.
std::string dialogDifference(const ShownDialog& shown, const ShownDialog& expected);
