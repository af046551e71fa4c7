#include "form_numbers.h"

#include <algorithm>
#include <cassert>
#include <functional>

namespace {

constexpr std::size_t fewestSlots = 1024;   // a power of two, as every size of the array
constexpr std::uint64_t numberBits = 0xFFFFFFFF;

std::uint64_t hashOf(const std::string& form) { return std::hash<std::string>{}(form); }

// A slot holds the hash's upper half, to pass most other forms by without
// reading them, and the number plus one, so that no full slot is 0.
std::uint64_t slotFor(std::uint64_t hash, std::size_t number) { return (hash & ~numberBits) | (number + 1); }

std::size_t numberIn(std::uint64_t slot) { return static_cast<std::size_t>((slot & numberBits) - 1); }

}  // namespace

std::size_t FormNumbers::numberOf(const std::string& form) {
  if (2 * (forms_.size() + 1) > slots_.size()) grow();
  const std::uint64_t hash = hashOf(form);
  const std::size_t slot = slotOf(form, hash);
  if (slots_[slot] != 0) return numberIn(slots_[slot]);
  assert(forms_.size() < numberBits);
  forms_.push_back(form);
  slots_[slot] = slotFor(hash, forms_.size() - 1);
  return forms_.size() - 1;
}

std::size_t FormNumbers::find(const std::string& form) const {
  if (slots_.empty()) return none;
  const std::size_t slot = slotOf(form, hashOf(form));
  return slots_[slot] == 0 ? none : numberIn(slots_[slot]);
}

// At most half the slots are full, so an empty one ends every search.
std::size_t FormNumbers::slotOf(const std::string& form, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const std::uint64_t slot = slots_[i];
    if (slot == 0 || ((slot & ~numberBits) == (hash & ~numberBits) && forms_[numberIn(slot)] == form)) return i;
  }
}

void FormNumbers::grow() {
  slots_.assign(std::max(fewestSlots, 2 * slots_.size()), 0);
  for (std::size_t number = 0; number < forms_.size(); ++number) {
    const std::uint64_t hash = hashOf(forms_[number]);
    slots_[slotOf(forms_[number], hash)] = slotFor(hash, number);
  }
}
