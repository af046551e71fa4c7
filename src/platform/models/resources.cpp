// The executable's resources: data blocks found, loaded and locked as on
// Windows, where all three steps just lead to bytes that stay in place for
// the life of the process, and the dialog templates.
#include "platform/models/resources.h"

#include <strings.h>

#include "platform/win32/win32_api.h"

struct HINSTANCE__ {
  int unused;
};

HMODULE GetModuleHandleA(LPCSTR moduleName) {
  static HINSTANCE__ program{};
  return moduleName == nullptr ? &program : nullptr;
}

// An HRSRC is the address of the program's table entry; the table is
// read-only, so the handle is only ever read through.
HRSRC FindResourceA(HMODULE, LPCSTR name, LPCSTR type) {
  // Types given by name compare without regard to case, as on Windows.
  if (!IS_INTRESOURCE(name) || type == nullptr || IS_INTRESOURCE(type)) return nullptr;
  for (int i = 0; i < programResources.dataCount; ++i) {
    const DataResource& found = programResources.data[i];
    if (found.id == LOWORD(name) && strcasecmp(type, found.type) == 0) {
      return reinterpret_cast<HRSRC>(const_cast<DataResource*>(&found));
    }
  }
  return nullptr;
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) { return resource; }

DWORD SizeofResource(HMODULE, HRSRC resource) {
  if (resource == nullptr) return 0;
  const DataResource* found = reinterpret_cast<const DataResource*>(resource);
  return static_cast<DWORD>(found->end - found->start);
}

LPVOID LockResource(HGLOBAL loaded) {
  if (loaded == nullptr) return nullptr;
  return const_cast<unsigned char*>(reinterpret_cast<const DataResource*>(loaded)->start);
}

const DialogTemplate* findDialogTemplate(int resourceId) {
  for (int i = 0; i < programResources.dialogCount; ++i) {
    if (programResources.dialogs[i]->resourceId == resourceId) return programResources.dialogs[i];
  }
  return nullptr;
}
