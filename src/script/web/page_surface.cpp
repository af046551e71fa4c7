// A script's picks and readings in the page go through its elements, as a
// reader's would, and the page shows every change before the next line.
#include "platform/web/web_page.h"
#include "platform/win32/win32.h"
#include "script/web/web_script_io.h"

namespace {

void clickPageLine(HWND dialog, int listId, int index) { clickShownLine(GetDlgItem(dialog, listId), index); }

void doubleClickPageLine(HWND dialog, int listId, int index) {
  doubleClickShownLine(GetDlgItem(dialog, listId), index);
}

}  // namespace

const ScriptSurface pageSurface = {
    clickPageLine, doubleClickPageLine, shownFieldText, shownLineCount, shownSelection, shownLine, settlePage,
};
