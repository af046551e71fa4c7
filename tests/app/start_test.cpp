// The real start-up: WinMain with the data sets this executable carries.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "dialog/search_dialog.h"
#include "app/load_index_data.h"
#include "search/search_state.h"

namespace {

TEST(Start, BuiltInDataSetsAreFoundAndAccepted) {
  HMODULE module = GetModuleHandleA(nullptr);
  ASSERT_TRUE(loadIndexData(module));
  HRSRC index = FindResourceA(module, MAKEINTRESOURCEA(103), "BIN");
  ASSERT_NE(index, nullptr);
  EXPECT_EQ(searchState.index, LockResource(LoadResource(module, index)));
  EXPECT_EQ(searchState.indexSize, SizeofResource(module, index));
  EXPECT_EQ(reinterpret_cast<uintptr_t>(searchState.index) % 2, 0u);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(searchState.headings) % 2, 0u);
  EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(106), "BIN"), nullptr);
  EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(103), "TXT"), nullptr);
}

// The description that leads from a printed page to the PDF travels with
// the data sets, as the book command wrote it.
TEST(Start, TheBookDescriptionTravelsWithTheDataSets) {
  DataSetBytes description = findEmbeddedDataSet(GetModuleHandleA(nullptr), bookDescriptionResourceId);
  std::ifstream file(std::string(QUIREL_DATA_DIR) + "/book/book.txt", std::ios::binary);
  std::string expected((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_NE(description.bytes, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(description.bytes), description.size), expected);
}

TEST(Start, WinMainRunsTheDialogUntilNoUserIsLeft) {
  // The headless backend has no user: the dialog opens, then fails as one
  // that cannot run.
  testing::internal::CaptureStderr();
  EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, 0), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
