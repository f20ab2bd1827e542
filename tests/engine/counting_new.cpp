// In a file of its own, so that no caller sees through the replacement functions.
#include "tests/engine/counting_new.h"

#include <cstdlib>
#include <new>

namespace {

long allocations = 0;

}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace tnx::test {

long Allocations() { return allocations; }

}  // namespace tnx::test
