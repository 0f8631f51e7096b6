#ifndef TANZO_BENCH_HEAPCOUNT_H
#define TANZO_BENCH_HEAPCOUNT_H

// Counts the heap a benchmark program holds: every allocation of the
// program passes through these operators. Include it in one source file
// of a program only.

#include <cstddef>
#include <cstdlib>
#include <new>

// Bytes held now, and the most held since the program last set it.
size_t g_nHeapNow = 0;
size_t g_nHeapPeak = 0;
// Allocations made and their bytes, and of them the large ones (a page's
// size and more), which the heap may hand back to the system when freed.
size_t g_nHeapAllocs = 0;
size_t g_nHeapAllocBytes = 0;
size_t g_nHeapLargeAllocs = 0;
const size_t kHeapLargeBlock = 64 * 1024;

namespace
{
const size_t kHeapHeader = 16;
} // namespace

void* operator new(size_t nSize)
{
    auto* p = (unsigned char*)std::malloc(nSize + kHeapHeader);
    if (p == nullptr)
        throw std::bad_alloc();
    *(size_t*)p = nSize;
    ++g_nHeapAllocs;
    g_nHeapAllocBytes += nSize;
    if (nSize >= kHeapLargeBlock)
        ++g_nHeapLargeAllocs;
    g_nHeapNow += nSize;
    if (g_nHeapNow > g_nHeapPeak)
        g_nHeapPeak = g_nHeapNow;
    return p + kHeapHeader;
}

void operator delete(void* p) noexcept
{
    if (p == nullptr)
        return;
    auto* pBlock = (unsigned char*)p - kHeapHeader;
    g_nHeapNow -= *(size_t*)pBlock;
    std::free(pBlock);
}

void operator delete(void* p, size_t) noexcept
{
    operator delete(p);
}

void* operator new[](size_t nSize)
{
    return operator new(nSize);
}

void operator delete[](void* p) noexcept
{
    operator delete(p);
}

void operator delete[](void* p, size_t) noexcept
{
    operator delete(p);
}

#endif // TANZO_BENCH_HEAPCOUNT_H
