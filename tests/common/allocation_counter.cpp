#include "allocation_counter.h"

#include <cstddef>

extern "C" void* __libc_malloc(std::size_t);
extern "C" void* __libc_calloc(std::size_t, std::size_t);
extern "C" void* __libc_realloc(void*, std::size_t);
extern "C" void __libc_free(void*);

static long allocations = 0;
static long liveBlocks = 0;

static void* counted(void* block) {
  if (block != nullptr) ++liveBlocks;
  return block;
}

extern "C" void* malloc(std::size_t size) { ++allocations; return counted(__libc_malloc(size)); }
extern "C" void* calloc(std::size_t n, std::size_t size) { ++allocations; return counted(__libc_calloc(n, size)); }

extern "C" void free(void* p) {
  if (p != nullptr) --liveBlocks;
  __libc_free(p);
}

// A resized block stays one block; a null one becomes a new block, and a
// size of zero gives the old block back.
extern "C" void* realloc(void* p, std::size_t size) {
  ++allocations;
  void* block = __libc_realloc(p, size);
  if (p == nullptr && block != nullptr) ++liveBlocks;
  if (p != nullptr && size == 0 && block == nullptr) --liveBlocks;
  return block;
}

long allocationCount() { return allocations; }
long liveAllocationCount() { return liveBlocks; }
