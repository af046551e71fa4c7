// The resources of a built executable, read the way Windows reads them (the
// file loaded as a data file, the resource functions): exactly the seven
// resources the program carries, dialog 102 byte for byte as the dialog's
// description, both data sets as the packed files, the book description, the
// icon and the manifest.
// Also the executable's kind: its processor and its subsystem. A 64-bit
// process reads a 32-bit executable's resources this way too.
//
//   test_resources EXECUTABLE DATA_DIRECTORY 32|64 gui|console
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "checks.h"
#include "app/search_dialog_template.h"
#include "template_reader.h"

namespace {

constexpr WORD german = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
constexpr WORD english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

using Bytes = std::vector<unsigned char>;

Bytes readFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

Bytes resourceBytes(HMODULE module, LPCSTR type, int id, WORD language) {
  HRSRC resource = FindResourceExA(module, type, MAKEINTRESOURCEA(id), language);
  HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
  if (loaded == nullptr) return {};
  auto start = static_cast<const unsigned char*>(LockResource(loaded));
  return Bytes(start, start + SizeofResource(module, resource));
}

std::string resourcePart(LPCSTR part) {
  return IS_INTRESOURCE(part) ? std::to_string(reinterpret_cast<ULONG_PTR>(part)) : std::string(part);
}

BOOL CALLBACK addLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR found) {
  reinterpret_cast<std::set<std::string>*>(found)->insert(
      resourcePart(type) + " " + resourcePart(name) + " " + std::to_string(language));
  return TRUE;
}

BOOL CALLBACK addName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR found) {
  return EnumResourceLanguagesA(module, type, name, addLanguage, found);
}

BOOL CALLBACK addType(HMODULE module, LPSTR type, LONG_PTR found) {
  return EnumResourceNamesA(module, type, addName, found);
}

// Every resource as "type name language", numbers in decimal.
std::set<std::string> allResources(HMODULE module) {
  std::set<std::string> found;
  EnumResourceTypesA(module, addType, reinterpret_cast<LONG_PTR>(&found));
  return found;
}

void checkResourceList(HMODULE module) {
  const std::set<std::string> expected = {
      "BIN 103 1031", "BIN 104 1031", "BIN 105 1031", "5 102 1031", "14 101 1031", "3 1 1031", "24 1 1033"};
  std::set<std::string> found = allResources(module);
  std::string listed;
  for (const std::string& entry : found) listed += entry + "; ";
  CHECK(found == expected, listed);
}

std::u16string fromCp1252(const char* text) {
  int length = MultiByteToWideChar(1252, 0, text, -1, nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(1252, 0, text, -1, reinterpret_cast<wchar_t*>(wide.data()), length);
  wide.pop_back();
  return wide;
}

bool isNone(const TemplateName& name) { return !name.isOrdinal && name.text.empty(); }

void checkHeader(const ReadTemplate& read, const DialogTemplate& table) {
  CHECK(read.helpId == table.helpId && read.extendedStyle == table.extendedStyle, "help id, extended style");
  CHECK(read.style == table.style, "dialog style " + std::to_string(read.style));
  CHECK(read.controlCount == 15 && table.controlCount == 15, "control count");
  CHECK(read.x == table.x && read.y == table.y && read.cx == table.cx && read.cy == table.cy,
        "dialog position and size");
  CHECK(read.cx == 600 && read.cy == 410, "dialog size");
  CHECK(isNone(read.menu) && isNone(read.windowClass), "no menu, the system's dialog class");
  CHECK(read.caption == fromCp1252(table.caption), "caption");
  CHECK(read.pointSize == table.pointSize && read.weight == table.weight, "font size and weight");
  CHECK(read.italic == table.italic && read.charset == table.charset, "font italic and character set");
  CHECK(read.fontName == fromCp1252(table.fontName), "font name");
}

void checkControl(const ReadControl& read, const ControlTemplate& table, int number) {
  std::string about = "control " + std::to_string(number) + " (id " + std::to_string(table.id) + ")";
  CHECK(read.id == static_cast<uint32_t>(table.id), about);
  CHECK(read.windowClass.isOrdinal && read.windowClass.ordinal == table.classAtom, about + ": class atom");
  CHECK(read.style == table.style, about + ": style " + std::to_string(read.style));
  CHECK(read.x == table.x && read.y == table.y && read.cx == table.cx && read.cy == table.cy,
        about + ": position and size");
  CHECK(!read.title.isOrdinal && read.title.text == fromCp1252(table.text), about + ": text");
  CHECK(read.helpId == 0 && read.extendedStyle == 0 && read.creationDataSize == 0,
        about + ": help id, extended style, creation data");
}

void checkDialog(HMODULE module) {
  Bytes bytes = resourceBytes(module, RT_DIALOG, searchDialogTemplate.resourceId, german);
  ReadTemplate read{};
  if (!CHECK(readDialogTemplate(bytes.data(), bytes.size(), read), "extended template with a font")) return;
  CHECK(read.bytesRead == bytes.size(), "nothing follows the last control");
  checkHeader(read, searchDialogTemplate);
  for (int i = 0; i < searchDialogTemplate.controlCount && i < static_cast<int>(read.controls.size()); ++i) {
    checkControl(read.controls[static_cast<std::size_t>(i)], searchDialogTemplate.controls[i], i + 1);
  }
}

void checkDataSets(HMODULE module, const std::string& dataDirectory) {
  Bytes index = resourceBytes(module, "BIN", 103, german);
  Bytes headings = resourceBytes(module, "BIN", 104, german);
  CHECK(!index.empty() && index == readFile(dataDirectory + "/word_index.bin"), "word index 103");
  CHECK(!headings.empty() && headings == readFile(dataDirectory + "/heading_table.bin"), "heading table 104");
  Bytes description = resourceBytes(module, "BIN", 105, german);
  CHECK(!description.empty() && description == readFile(dataDirectory + "/book/book.txt"), "book description 105");
}

uint32_t littleEndian(const Bytes& bytes, std::size_t at, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
  return value;
}

// The 16 colours of the standard palette, as blue, green, red, reserved.
Bytes standardPalette() {
  const unsigned char rgb[16][3] = {
      {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
      {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
      {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
  Bytes palette;
  for (const auto& colour : rgb) palette.insert(palette.end(), {colour[2], colour[1], colour[0], 0});
  return palette;
}

void checkIcon(HMODULE module) {
  Bytes group = resourceBytes(module, RT_GROUP_ICON, 101, german);
  const Bytes expectedGroup = {0, 0, 1, 0, 1, 0,                  // icon group of one image
                               32, 32, 16, 0, 1, 0, 4, 0,         // 32 x 32, 16 colours, 1 plane, 4 bits
                               0xE8, 0x02, 0, 0, 1, 0};           // 744 bytes, image 1
  CHECK(group == expectedGroup, "icon group 101");
  Bytes image = resourceBytes(module, RT_ICON, 1, german);
  if (!CHECK(image.size() == 744, "icon image size " + std::to_string(image.size()))) return;
  const uint32_t header[][3] = {{0, 4, 40}, {4, 4, 32}, {8, 4, 64}, {12, 2, 1}, {14, 2, 4}, {16, 4, 0}, {20, 4, 640}};
  for (const auto& field : header) {
    CHECK(littleEndian(image, field[0], static_cast<int>(field[1])) == field[2],
          "icon header field at " + std::to_string(field[0]));
  }
  CHECK(Bytes(image.begin() + 40, image.begin() + 104) == standardPalette(), "icon palette");
  CHECK(std::all_of(image.end() - 128, image.end(), [](unsigned char b) { return b == 0; }),
        "icon mask all opaque");
}

void checkManifest(HMODULE module, const std::string& dataDirectory) {
  Bytes bytes = resourceBytes(module, RT_MANIFEST, 1, english);
  std::string text(bytes.begin(), bytes.end());
  CHECK(!text.empty() && bytes == readFile(dataDirectory + "/quirel.manifest"), "manifest 1 is the file");
  for (const char* part : {"manifestVersion=\"1.0\"", "level=\"asInvoker\"", "uiAccess=\"false\""}) {
    CHECK(text.find(part) != std::string::npos, part);
  }
  for (const char* part : {"dependency", "compatibility", "dpiAware", "dpiAwareness"}) {
    CHECK(text.find(part) == std::string::npos, std::string("no ") + part);
  }
}

// The processor and subsystem from the file's PE header.
void checkExecutableKind(const std::string& path, const std::string& bits, const std::string& subsystem) {
  Bytes file = readFile(path);
  if (!CHECK(file.size() > 0x40, "executable readable")) return;
  std::size_t pe = littleEndian(file, 0x3C, 4);
  if (!CHECK(pe + 24 + 70 < file.size() && littleEndian(file, pe, 4) == 0x4550, "PE signature")) return;
  uint32_t machine = littleEndian(file, pe + 4, 2);
  uint32_t magic = littleEndian(file, pe + 24, 2);
  CHECK(bits == "32" ? machine == 0x14C && magic == 0x10B : machine == 0x8664 && magic == 0x20B,
        "processor for " + bits + " bits: machine " + std::to_string(machine));
  CHECK(littleEndian(file, pe + 24 + 68, 2) == (subsystem == "gui" ? 2u : 3u), "subsystem " + subsystem);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::printf("usage: test_resources EXECUTABLE DATA_DIRECTORY 32|64 gui|console\n");
    return 2;
  }
  std::string path = argv[1];
  checkExecutableKind(path, argv[3], argv[4]);
  HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (CHECK(module != nullptr, "load " + path + " as a data file")) {
    checkResourceList(module);
    checkDialog(module);
    checkDataSets(module, argv[2]);
    checkIcon(module);
    checkManifest(module, argv[2]);
  }
  return checkSummary("test_resources");
}
