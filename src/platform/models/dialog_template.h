// A dialog template as a table, as the extended template format describes a
// dialog: the header and its controls in template order (which is also the
// tab order and the order of creation). The program provides its templates
// among its resources (resources.h).
#pragma once

#include <cstdint>

constexpr uint16_t classAtomEdit = 0x0081;
constexpr uint16_t classAtomStatic = 0x0082;
constexpr uint16_t classAtomListBox = 0x0083;

// Coordinates and sizes are dialog units of the dialog's font.
struct ControlTemplate {
  int32_t id;          // -1 for a label the program never addresses
  uint16_t classAtom;
  uint32_t style;      // all style bits of the control
  int16_t x, y, cx, cy;
  const char* text;    // cp1252
};

struct DialogTemplate {
  uint16_t resourceId;
  uint32_t style;
  uint32_t extendedStyle;
  uint32_t helpId;
  int16_t x, y, cx, cy;
  const char* caption;    // cp1252
  const char* fontName;
  uint16_t pointSize;
  uint16_t weight;
  uint8_t italic;
  uint8_t charset;
  int controlCount;
  const ControlTemplate* controls;
};

// The program's template of a resource identifier, or null.
const DialogTemplate* findDialogTemplate(int resourceId);
