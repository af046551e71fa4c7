// The distinct forms of a book's words, numbered in the order they are first
// met. The tally looks up every word of the book, millions of them among a
// few hundred thousand forms, each in a different place of memory: here a
// look-up reads one slot of an open-addressed array of hashes and the one
// form it names, where a map of nodes reads four or five places.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class FormNumbers {
 public:
  static constexpr std::size_t none = static_cast<std::size_t>(-1);

  // The form's number; a new form is added and gets the next one.
  std::size_t numberOf(const std::string& form);
  // The form's number, or `none` when it has none.
  std::size_t find(const std::string& form) const;

  const std::string& form(std::size_t number) const { return forms_[number]; }
  std::size_t size() const { return forms_.size(); }

 private:
  // The slot where the form stands, or the empty one where it would.
  std::size_t slotOf(const std::string& form, std::uint64_t hash) const;
  void grow();

  std::vector<std::string> forms_;
  std::vector<std::uint64_t> slots_;  // 0 empty; else the hash's upper half, then number + 1
};
