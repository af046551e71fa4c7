// Splitting one fuzz input into the pieces a target needs. Every piece is
// copied into an allocation of its own, exactly as long as the piece, so that
// the address sanitizer sees a read one byte past it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  // A little-endian 32-bit length, then that many bytes (fewer at the end).
  std::vector<unsigned char> lengthAndBytes() {
    uint32_t length = 0;
    for (int i = 0; i < 4 && at_ < size_; ++i) length |= static_cast<uint32_t>(data_[at_++]) << (8 * i);
    size_t take = length < size_ - at_ ? length : size_ - at_;
    std::vector<unsigned char> piece(data_ + at_, data_ + at_ + take);
    at_ += take;
    return piece;
  }

  // The rest, cut at zero bytes into commands.
  std::vector<std::vector<unsigned char>> commands() {
    std::vector<std::vector<unsigned char>> out;
    while (at_ < size_) {
      const void* zero = std::memchr(data_ + at_, 0, size_ - at_);
      size_t end = zero == nullptr ? size_ : static_cast<size_t>(static_cast<const uint8_t*>(zero) - data_);
      out.emplace_back(data_ + at_, data_ + end);
      at_ = end + 1;
    }
    return out;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

// Stops the run with a finding when an expectation fails.
#define FUZZ_EXPECT(condition)                                              \
  do {                                                                       \
    if (!(condition)) {                                                      \
      std::fprintf(stderr, "%s:%d: expected %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                          \
    }                                                                        \
  } while (0)
