#include "AllocationCount.h"

#include <atomic>
#include <cstddef>

namespace {

std::atomic<long long> allocations{0};

void counted() {
    allocations.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

long long allocationCount() {
    return allocations.load(std::memory_order_relaxed);
}

// The program's own definitions take the place of the C library's for every library it loads; glibc
// keeps its allocator reachable under these names.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void __libc_free(void* p);

void* malloc(std::size_t size) noexcept {
    counted();
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) noexcept {
    counted();
    return __libc_calloc(count, size);
}

void* realloc(void* p, std::size_t size) noexcept {
    counted();
    return __libc_realloc(p, size);
}

void free(void* p) noexcept {
    __libc_free(p);
}
}
