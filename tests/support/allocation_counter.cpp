#include "support/allocation_counter.h"

#include <cstdlib>
#include <new>

namespace {
long g_allocations = 0;
}  // namespace

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// The library's temporary buffers (std::stable_sort's) come from the nothrow
// form; it must pair with the delete above, which frees with free().
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    ++g_allocations;
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace tabrix_test {

long AllocationCount() { return g_allocations; }

}  // namespace tabrix_test
