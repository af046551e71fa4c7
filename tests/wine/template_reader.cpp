#include "template_reader.h"

namespace {

// A cursor over the template that refuses to step past its end; once it has,
// every further read gives zero and ok stays false.
struct Cursor {
  const unsigned char* bytes;
  std::size_t size;
  std::size_t at = 0;
  bool ok = true;

  bool has(std::size_t count) {
    if (ok && at + count <= size) return true;
    ok = false;
    return false;
  }
  uint16_t word() {
    if (!has(2)) return 0;
    uint16_t value = static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
    at += 2;
    return value;
  }
  uint32_t dword() {
    uint32_t low = word();
    return low | static_cast<uint32_t>(word()) << 16;
  }
  uint8_t byte() {
    if (!has(1)) return 0;
    return bytes[at++];
  }
  int16_t coordinate() { return static_cast<int16_t>(word()); }
  // Items start on 4-byte boundaries of the template.
  void alignToDword() { at = (at + 3) & ~std::size_t{3}; }

  std::u16string string() {
    std::u16string text;
    for (uint16_t c = word(); ok && c != 0; c = word()) text += static_cast<char16_t>(c);
    return text;
  }
  TemplateName name() {
    TemplateName read;
    if (has(2) && bytes[at] == 0xFF && bytes[at + 1] == 0xFF) {
      word();
      read.isOrdinal = true;
      read.ordinal = word();
    } else {
      read.text = string();
    }
    return read;
  }
};

ReadControl readControl(Cursor& in) {
  in.alignToDword();
  ReadControl control{};
  control.helpId = in.dword();
  control.extendedStyle = in.dword();
  control.style = in.dword();
  control.x = in.coordinate();
  control.y = in.coordinate();
  control.cx = in.coordinate();
  control.cy = in.coordinate();
  control.id = in.dword();
  control.windowClass = in.name();
  control.title = in.name();
  control.creationDataSize = in.word();
  if (in.has(control.creationDataSize)) in.at += control.creationDataSize;
  return control;
}

void readHeader(Cursor& in, ReadTemplate& read) {
  read.version = in.word();
  read.signature = in.word();
  read.helpId = in.dword();
  read.extendedStyle = in.dword();
  read.style = in.dword();
  read.controlCount = in.word();
  read.x = in.coordinate();
  read.y = in.coordinate();
  read.cx = in.coordinate();
  read.cy = in.coordinate();
  read.menu = in.name();
  read.windowClass = in.name();
  read.caption = in.string();
}

void readFont(Cursor& in, ReadTemplate& read) {
  read.pointSize = in.word();
  read.weight = in.word();
  read.italic = in.byte();
  read.charset = in.byte();
  read.fontName = in.string();
}

}  // namespace

bool readDialogTemplate(const unsigned char* bytes, std::size_t size, ReadTemplate& read) {
  Cursor in{bytes, size};
  readHeader(in, read);
  if (!in.ok || read.version != 1 || read.signature != 0xFFFF) return false;
  constexpr uint32_t dsSetFont = 0x40;
  if ((read.style & dsSetFont) == 0) return false;
  readFont(in, read);
  read.controls.clear();
  for (int i = 0; in.ok && i < read.controlCount; ++i) read.controls.push_back(readControl(in));
  read.bytesRead = in.at;
  return in.ok;
}
