#include "dialog_harness.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/resource_numbers.h"
#include "script/dialog_session.h"
#include "dialog/search_dialog.h"
#include "producer/data_producer.h"
#include "platform/seam/backend.h"
#include "platform/seam/user_actions.h"
#include "platform/seam/model_readers.h"
#include "platform/win32/cp1252.h"
#include "search/search_state.h"

namespace {

void runBody(HWND dialog, void* body) {
  (*static_cast<const std::function<void(HWND)>*>(body))(dialog);
}

std::string withSuffix(const std::string& stem, int i) {
  return stem + static_cast<char>('a' + i / 10) + static_cast<char>('a' + i % 10);
}

std::vector<int> pageRun(int first, int count) {
  std::vector<int> pages;
  for (int i = 0; i < count; ++i) pages.push_back(first + i);
  return pages;
}

}  // namespace

INT_PTR runSearchDialog(const std::function<void(HWND)>& body, const SearchDialogServices* services) {
  return runDialogSession(searchDialogId, runBody, const_cast<std::function<void(HWND)>*>(&body), searchDialogProc, services);
}

// Hebel..: exactly 100 words on pages 200..299; Ventil..: 110 words;
// Zwanzigseiten: 20 pages, Einundzwanzig: 21 pages; a few engine words.
void installTestBook() {
  std::vector<ProducerWord> words = {
      {"Kurbel", {10, 12}},     {"Kurbelwelle", {10, 48}}, {"Nockenwelle", {13, 47}},
      {"Achse", {11}},          {"Lager", {400}},          {"Getriebe", {12}},
      {"Zwanzigseiten", pageRun(501, 20)}, {"Einundzwanzig", pageRun(601, 21)},
      {cp("Kühler"), {44}},
  };
  for (int i = 0; i < 100; ++i) words.push_back({withSuffix("Hebel", i), {200 + i}});
  for (int i = 0; i < 110; ++i) words.push_back({withSuffix("Ventil", i), {700 + i}});
  std::vector<ProducerHeading> headings = {{5, 1, "1. Antrieb"}, {40, 2, "1.2 Wellen"}};
  static std::vector<unsigned char> indexBytes, headingBytes;
  ProducerError error;
  ASSERT_TRUE(produceWordIndex(words, indexBytes, error)) << dataRuleText(error.rule);
  ASSERT_TRUE(produceHeadingTable(headings, headingBytes, error)) << dataRuleText(error.rule);
  DataSetFault fault{};
  ASSERT_TRUE(installDataSets(indexBytes.data(), static_cast<uint32_t>(indexBytes.size()),
                              headingBytes.data(), static_cast<uint32_t>(headingBytes.size()), &fault));
  // A fresh process: no slot remembers an earlier test's terms.
  std::memset(searchState.hitCount, 0, sizeof searchState.hitCount);
  std::memset(searchState.termPages, 0, sizeof searchState.termPages);
  distance = 0;
}

std::string cp(const std::string& utf8) { return utf8ToCp1252(utf8); }

void setText(HWND dialog, int id, const std::string& cp1252) {
  SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(cp1252.c_str()));
}

std::string textOf(HWND dialog, int id) {
  char text[2000] = {};
  SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

std::vector<std::string> linesOf(HWND dialog, int id) {
  HWND list = GetDlgItem(dialog, id);
  std::vector<std::string> lines;
  LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::string line(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line.data()));
    line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

int selectionOf(HWND dialog, int id) {
  return static_cast<int>(SendMessageA(GetDlgItem(dialog, id), LB_GETCURSEL, 0, 0));
}

void pick(HWND dialog, int id, int index) { userSelectsLine(GetDlgItem(dialog, id), index); }
