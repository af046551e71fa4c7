#include "hostile_data.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace {

void put16(Bytes& bytes, int value) {
  bytes.push_back(static_cast<unsigned char>(value & 0xFF));
  bytes.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

Bytes readData(const char* name) {
  std::ifstream file(std::string(QUIREL_DATA_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(file.good()) << name;
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// An exact copy, so that a read one byte past the data set leaves the
// allocation; a data set of no bytes gets one that is not null.
Verdict verdict(const Bytes& bytes, bool (*check)(const unsigned char*, uint32_t, DataSetFault*)) {
  std::unique_ptr<unsigned char[]> copy(new unsigned char[bytes.empty() ? 1 : bytes.size()]);
  std::copy(bytes.begin(), bytes.end(), copy.get());
  DataSetFault fault{};
  bool accepted = check(copy.get(), static_cast<uint32_t>(bytes.size()), &fault);
  return {accepted, fault.rule, fault.offset};
}

}  // namespace

Bytes wordEntryWithCount(const Bytes& key, const std::string& display, int count, const std::vector<int>& pages) {
  Bytes bytes = key;
  bytes.push_back(0);
  bytes.insert(bytes.end(), display.begin(), display.end());
  bytes.push_back(0);
  put16(bytes, count);
  for (int page : pages) put16(bytes, page);
  return bytes;
}

Bytes wordEntry(const Bytes& key, const std::string& display, const std::vector<int>& pages) {
  return wordEntryWithCount(key, display, static_cast<int>(pages.size()), pages);
}

Bytes headingEntry(int page, int level, const std::string& title) {
  Bytes bytes;
  put16(bytes, page);
  bytes.push_back(static_cast<unsigned char>(level));
  bytes.insert(bytes.end(), title.begin(), title.end());
  bytes.push_back(0);
  if (title.size() % 2 == 1) bytes.push_back(0);
  return bytes;
}

Bytes joined(const std::vector<Bytes>& parts) {
  Bytes bytes;
  for (const Bytes& part : parts) bytes.insert(bytes.end(), part.begin(), part.end());
  return bytes;
}

Bytes shippedWordIndex() { return readData("word_index.bin"); }
Bytes shippedHeadingTable() { return readData("heading_table.bin"); }

Verdict checkedWordIndex(const Bytes& bytes) { return verdict(bytes, checkWordIndex); }
Verdict checkedHeadingTable(const Bytes& bytes) { return verdict(bytes, checkHeadingTable); }
