// The executable's resources: the two data sets under type "BIN". A resource
// is found, loaded and locked as on Windows, where all three steps just lead
// to bytes that stay in place for the life of the process.
#include <strings.h>

#include "platform/win32_api.h"

extern "C" const unsigned char quirelWordIndexStart[];
extern "C" const unsigned char quirelWordIndexEnd[];
extern "C" const unsigned char quirelHeadingTableStart[];
extern "C" const unsigned char quirelHeadingTableEnd[];

struct HINSTANCE__ {
  int unused;
};

struct HRSRC__ {
  WORD id;
  const unsigned char* start;
  const unsigned char* end;
};

namespace {

HRSRC__ dataSets[] = {
    {103, quirelWordIndexStart, quirelWordIndexEnd},
    {104, quirelHeadingTableStart, quirelHeadingTableEnd},
};

}  // namespace

HMODULE GetModuleHandleA(LPCSTR moduleName) {
  static HINSTANCE__ program{};
  return moduleName == nullptr ? &program : nullptr;
}

HRSRC FindResourceA(HMODULE, LPCSTR name, LPCSTR type) {
  // Types given by name compare without regard to case, as on Windows.
  if (!IS_INTRESOURCE(name) || type == nullptr || IS_INTRESOURCE(type) ||
      strcasecmp(type, "BIN") != 0) {
    return nullptr;
  }
  for (HRSRC__& dataSet : dataSets) {
    if (dataSet.id == LOWORD(name)) return &dataSet;
  }
  return nullptr;
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) { return resource; }

DWORD SizeofResource(HMODULE, HRSRC resource) {
  return resource != nullptr ? static_cast<DWORD>(resource->end - resource->start) : 0;
}

LPVOID LockResource(HGLOBAL loaded) {
  if (loaded == nullptr) return nullptr;
  return const_cast<unsigned char*>(static_cast<HRSRC>(loaded)->start);
}
