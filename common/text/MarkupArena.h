#ifndef TANZO_TEXT_MARKUPARENA_H
#define TANZO_TEXT_MARKUPARENA_H

#include <atomic>
#include <cstddef>
#include <utility>
#include <vector>

#include "afx/wintypes.h"

// The memory of one parse: a copy of the source, which the nodes' texts
// and attribute values point into until someone asks for them, and the
// nodes themselves, taken from large blocks instead of one allocation
// each. Every node made in it holds a reference, so a node taken out of
// its tree and kept keeps the arena too; the last one gone frees it.
class CMarkupArena
{
public:
    // The arena holds one reference for its maker (Release when done).
    static CMarkupArena* Create(LPCTSTR source, int nLength);

    LPCTSTR GetSource() const { return m_pSource; }
    int GetSourceLength() const { return m_nSource; }
    BOOL HoldsSource(LPCTSTR p) const { return p >= m_pSource && p <= m_pSource + m_nSource; }

    // Memory for one node, aligned as a pointer; adds a reference. Free
    // drops the reference of a node gone; its memory goes with the arena.
    void* Allocate(size_t nBytes);
    void Free(void* p, size_t nBytes);
    void AddRef() { m_nRefs.fetch_add(1, std::memory_order_relaxed); }
    void Release();

    // The arena the nodes made on this thread come from (null: the heap).
    static CMarkupArena* Current();

    // Memory from the current arena, else from the heap, aligned as a
    // pointer; a header before it says where it came from, for FreeAny.
    static void* AllocateAny(size_t nBytes);
    static void FreeAny(void* p) noexcept;

    // Makes an arena current for the life of the scope. While it is, its
    // nodes made and freed on this thread are counted without atomics, and
    // the count joins its references when the scope ends.
    class Scope
    {
    public:
        explicit Scope(CMarkupArena* pArena);
        ~Scope();

    private:
        CMarkupArena* m_pPrevious;
    };

    // Within it the references of the nodes freed on this thread go back
    // to their arena in one step per run of nodes of one arena, not one
    // atomic step each; an arena left without any goes when it ends.
    class ReleaseBatch
    {
    public:
        ReleaseBatch();
        ~ReleaseBatch();
        ReleaseBatch(const ReleaseBatch&) = delete;
        ReleaseBatch& operator=(const ReleaseBatch&) = delete;
    };

private:
    CMarkupArena() = default;
    ~CMarkupArena();
    CMarkupArena(const CMarkupArena&) = delete;
    CMarkupArena& operator=(const CMarkupArena&) = delete;

    char* m_pNext = nullptr;
    char* m_pEnd = nullptr;
    size_t m_nBlockSize = 0;
    std::vector<std::pair<char*, size_t>> m_blocks;
    std::atomic<long> m_nRefs{1};
    // References taken or given back on the thread it is current on, not
    // yet in m_nRefs.
    long m_nLocalRefs = 0;
    void ReleaseNode();
    void Settle();
    static void Release(CMarkupArena* pArena, long nRefs);
    LPCTSTR m_pSource = nullptr;
    int m_nSource = 0;
};

// The allocator of the nodes' child and attribute lists: a parse puts
// them in its arena beside the nodes instead of one heap block each (and
// more as they grow); lists made outside a parse use the heap.
template <class T> class CMarkupAllocator
{
public:
    using value_type = T;
    CMarkupAllocator() = default;
    template <class U> CMarkupAllocator(const CMarkupAllocator<U>&) noexcept {}
    static_assert(alignof(T) <= alignof(void*), "the arena's blocks are pointer-aligned");
    T* allocate(size_t n) { return static_cast<T*>(CMarkupArena::AllocateAny(n * sizeof(T))); }
    void deallocate(T* p, size_t) noexcept { CMarkupArena::FreeAny(p); }
    template <class U> bool operator==(const CMarkupAllocator<U>&) const noexcept { return true; }
    template <class U> bool operator!=(const CMarkupAllocator<U>&) const noexcept { return false; }
};

#endif // TANZO_TEXT_MARKUPARENA_H
