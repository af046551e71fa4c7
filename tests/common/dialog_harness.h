// Running the real search dialog on the headless backend from inside a test,
// as a user would meet it, plus the made-up book the tests search in.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/win32.h"

// Runs dialog 102 with searchDialogProc; the body runs once the dialog is
// initialised, from the message queue. Gives DialogBoxParamA's result: the
// EndDialog value, or -1 when the body left the dialog open and no user is
// left to close it. `services`: the dialog's init parameter.
struct SearchDialogServices;
INT_PTR runSearchDialog(const std::function<void(HWND)>& body, const SearchDialogServices* services = nullptr);

// Installs the test book (see dialog_harness.cpp for its words and pages).
void installTestBook();

// cp1252 text from UTF-8.
std::string cp(const std::string& utf8);

// Reading and writing controls through their messages.
void setText(HWND dialog, int id, const std::string& cp1252);
std::string textOf(HWND dialog, int id);
std::vector<std::string> linesOf(HWND dialog, int id);
int selectionOf(HWND dialog, int id);
// The user clicks line `index` of a list.
void pick(HWND dialog, int id, int index);
