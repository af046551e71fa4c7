// The web backend as its program sees it: the dialog drawn as elements of a
// page, driven from the page's own event loop. The program's page holds an
// element for the backend to show its dialogs and messages in; the program
// names it, then begins the modal dialog (modal_steps.h). Each of the page's
// events then hands its user's action to the models, delivers what was
// posted and shows what changed, and the program hears when an action ended
// the dialog.
#pragma once

#include <string>

#include "platform/win32/win32_types.h"

// The element of the program's page, by its id, that the dialog and the
// messages are shown in, before either is; the ids of the elements made in
// it begin with it. The backend's style sheet comes into the page with it.
void showDialogsIn(const char* rootElementId);

// Called after a user's action ended the dialog: the program finishes it.
void setDialogEndedHandler(void (*ended)(HWND dialog));

// Delivers every posted message, then shows every change the models noted.
void settlePage();

// What the page displays of a control, read back from its elements (UTF-8);
// for a program that checks the page, not the models.
std::string shownFieldText(HWND field);
int shownLineCount(HWND list);
int shownSelection(HWND list);  // -1 for none
std::string shownLine(HWND list, int index);
// A click and a double-click on a line of a list, as the page's pointer
// gives them.
void clickShownLine(HWND list, int index);
void doubleClickShownLine(HWND list, int index);
