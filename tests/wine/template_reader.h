// Reads a compiled dialog template in the extended format, as the dialog
// manager finds it among an executable's resources, into plain fields that a
// test can compare with the dialog's description.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A class, menu or text field: none, an ordinal (after 0xFFFF) or a string.
struct TemplateName {
  bool isOrdinal = false;
  uint16_t ordinal = 0;
  std::u16string text;
};

struct ReadControl {
  uint32_t helpId, extendedStyle, style;
  int16_t x, y, cx, cy;
  uint32_t id;
  TemplateName windowClass;
  TemplateName title;
  uint16_t creationDataSize;
};

struct ReadTemplate {
  uint16_t version, signature;
  uint32_t helpId, extendedStyle, style;
  uint16_t controlCount;
  int16_t x, y, cx, cy;
  TemplateName menu, windowClass;
  std::u16string caption;
  uint16_t pointSize, weight;
  uint8_t italic, charset;
  std::u16string fontName;
  std::vector<ReadControl> controls;
  std::size_t bytesRead;  // up to the end of the last control
};

// False when the bytes end inside the template or the header is not the
// extended format's (with a font: the only kind this program carries).
bool readDialogTemplate(const unsigned char* bytes, std::size_t size, ReadTemplate& read);
