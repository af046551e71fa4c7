// Dialog template 102 as a table, for the layer's dialog manager. The
// resource script for Windows describes the same dialog; a test compares the
// two control by control.
#include "app/search_dialog_template.h"

#include "app/resource_numbers.h"

#include "caption.h"
#include "dialog/search_dialog.h"
#include "search/search_state.h"

namespace {

constexpr int32_t unaddressedLabelId = -1;

constexpr uint32_t heading = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
constexpr uint32_t ampersand = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX | SS_CENTER;
// No ES_AUTOHSCROLL: a typed term stops where the field's width ends.
constexpr uint32_t termField = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT;
// No LBS_SORT: lines stay in the order in which they are added.
constexpr uint32_t resultsList =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_USETABSTOPS | LBS_NOTIFY;
// A word list's horizontal bar comes and goes with its widest line. A list
// box of integral height shortens itself to whole lines each time the bar
// changes its client height, so that after some dozens of keystrokes a word
// list is one line tall: the word lists keep the height they were given.
constexpr uint32_t wordList =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY;
constexpr uint32_t distanceField = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_RIGHT;

constexpr ControlTemplate searchDialogControls[] = {
    {unaddressedLabelId, classAtomStatic, heading, 10, 5, 500, 10,
     "Suchbegriffe (ein Stern als erstes Zeichen sucht alle Worte, die den Suchbegriff "
     "an beliebiger Stelle enthalten)"},
    {firstTermFieldId, classAtomEdit, termField, 10, 15, 180, 10, ""},
    {firstTermFieldId + 1, classAtomEdit, termField, 210, 15, 180, 10, ""},
    {firstTermFieldId + 2, classAtomEdit, termField, 410, 15, 180, 10, ""},
    {unaddressedLabelId, classAtomStatic, ampersand, 196, 16, 9, 10, "&"},
    {unaddressedLabelId, classAtomStatic, ampersand, 396, 16, 9, 10, "&"},
    {unaddressedLabelId, classAtomStatic, heading, 10, 30, 500, 10,
     "Gefundene Worte und Seitenzahlen (maximal " QUIREL_NUMBER(QUIREL_WORD_LIMIT) " Worte, maximal "
     QUIREL_NUMBER(QUIREL_PAGES_SHOWN) " Seitenzahlen pro Wort)"},
    {firstWordListId, classAtomListBox, wordList, 10, 40, 180, 204, ""},
    {firstWordListId + 1, classAtomListBox, wordList, 210, 40, 180, 204, ""},
    {firstWordListId + 2, classAtomListBox, wordList, 410, 40, 180, 204, ""},
    {unaddressedLabelId, classAtomStatic, heading, 10, 245, 500, 10,
     "Seitenzahlen und Kontext der verkn\xFCpften Suchbegriffe"},
    {resultsListId, classAtomListBox, resultsList, 10, 255, 580, 135, ""},
    {unaddressedLabelId, classAtomStatic, heading, 10, 392, 105, 10, "Unsch\xE4rfe bei der Verkn\xFCpfung:"},
    {distanceFieldId, classAtomEdit, distanceField, 118, 391, 13, 10, ""},
    {unaddressedLabelId, classAtomStatic, heading, 134, 392, 50, 10, "Seite(n)"},
};

}  // namespace

const DialogTemplate searchDialogTemplate = {
    searchDialogId,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    0,
    0,
    0, 0, 600, 410,
    QUIREL_CAPTION,
    "Arial",
    10,
    0,
    0,
    1,
    static_cast<int>(sizeof searchDialogControls / sizeof searchDialogControls[0]),
    searchDialogControls,
};
