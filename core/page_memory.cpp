// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page_memory.h"

#include <cstdlib>
#include <sys/mman.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUseHeap = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kUseHeap = true;
#else
constexpr bool kUseHeap = false;
#endif
#else
constexpr bool kUseHeap = false;
#endif

} // namespace

void* AllocatePages(std::size_t nSize)
{
    if (nSize == 0) nSize = 1;
    if (kUseHeap) return std::calloc(nSize, 1);
    void* p = mmap(nullptr, nSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return nullptr;
    madvise(p, nSize, MADV_HUGEPAGE);
    return p;
}

void FreePages(void* p, std::size_t nSize)
{
    if (p == nullptr) return;
    if (nSize == 0) nSize = 1;
    if (kUseHeap)
        std::free(p);
    else
        munmap(p, nSize);
}
