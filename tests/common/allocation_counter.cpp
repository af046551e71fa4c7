#include "allocation_counter.h"

#include <cstddef>

extern "C" void* __libc_malloc(std::size_t);
extern "C" void* __libc_calloc(std::size_t, std::size_t);
extern "C" void* __libc_realloc(void*, std::size_t);

static long allocations = 0;

extern "C" void* malloc(std::size_t size) { ++allocations; return __libc_malloc(size); }
extern "C" void* calloc(std::size_t n, std::size_t size) { ++allocations; return __libc_calloc(n, size); }
extern "C" void* realloc(void* p, std::size_t size) { ++allocations; return __libc_realloc(p, size); }

long allocationCount() { return allocations; }
