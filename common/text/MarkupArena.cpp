#include "text/MarkupArena.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

// Under the address sanitizer a node given back is poisoned, so that a use
// of it after its delete is caught as on the heap.
#if defined(__SANITIZE_ADDRESS__)
#define TANZO_ARENA_POISON 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TANZO_ARENA_POISON 1
#endif
#endif
#ifdef TANZO_ARENA_POISON
#include <sanitizer/asan_interface.h>
#endif

namespace
{
// The nodes and their lists hold pointers, sizes and strings: none needs
// more than a pointer's alignment, and a page makes millions of them.
const size_t kAlign = alignof(void*);

thread_local CMarkupArena* t_pCurrent = nullptr;

// The references of the nodes freed within a ReleaseBatch, not yet given
// back: so many of one arena.
struct PendingRelease
{
    CMarkupArena* pArena = nullptr;
    long nRefs = 0;
    int nDepth = 0;
};
thread_local PendingRelease t_pending;

inline size_t Rounded(size_t n)
{
    return (n + kAlign - 1) & ~(kAlign - 1);
}

// Blocks of parses gone, kept for the next: a page's blocks are large,
// and a heap hands large blocks back to the system, which then maps and
// clears them anew for every page.
class CSpareBlocks
{
public:
    // A kept block of at least nBytes (its size in nBytes), or null.
    char* Take(size_t& nBytes)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // The smallest that fits.
        size_t best = m_nCount;
        for (size_t i = 0; i < m_nCount; ++i)
            if (m_blocks[i].second >= nBytes &&
                (best == m_nCount || m_blocks[i].second < m_blocks[best].second))
                best = i;
        if (best == m_nCount)
            return nullptr;
        const std::pair<char*, size_t> block = m_blocks[best];
        m_blocks[best] = m_blocks[--m_nCount];
        m_nBytes -= block.second;
        nBytes = block.second;
        return block.first;
    }
    // Keeps the blocks of an arena gone, up to as many bytes as it had
    // (at least kMinBytes, at most kMaxBytes): parses of large pages in a
    // row reuse their memory, and a parse of a smaller one gives back what
    // it did not need. When too much is kept, the smallest go first (the
    // new ones too): a large block serves a small parse too.
    void GiveAll(const std::vector<std::pair<char*, size_t>>& blocks)
    {
        size_t nTotal = 0;
        for (const auto& block : blocks)
            nTotal += block.second;
        const size_t nKeep = std::min(std::max(nTotal, kMinBytes), kMaxBytes);
        std::vector<char*> evicted;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            for (const auto& block : blocks)
            {
                if (block.second > nKeep || m_nCount == kMaxBlocks)
                {
                    evicted.push_back(block.first);
                    continue;
                }
                m_blocks[m_nCount++] = block;
                m_nBytes += block.second;
            }
            while (m_nBytes > nKeep)
            {
                size_t smallest = 0;
                for (size_t i = 1; i < m_nCount; ++i)
                    if (m_blocks[i].second < m_blocks[smallest].second)
                        smallest = i;
                evicted.push_back(m_blocks[smallest].first);
                m_nBytes -= m_blocks[smallest].second;
                m_blocks[smallest] = m_blocks[--m_nCount];
            }
        }
        for (char* p : evicted)
            std::free(p);
    }

private:
    static const size_t kMaxBlocks = 64;
    static constexpr size_t kMinBytes = 16 << 20;
    static constexpr size_t kMaxBytes = 128 << 20;
    std::mutex m_mutex;
    std::pair<char*, size_t> m_blocks[kMaxBlocks];
    size_t m_nCount = 0;
    size_t m_nBytes = 0;
};

CSpareBlocks& SpareBlocks()
{
    // Never destroyed: an arena may outlive static destruction.
    static CSpareBlocks* pSpares = new CSpareBlocks;
    return *pSpares;
}

char* NewBlock(size_t& nBytes)
{
    char* p = SpareBlocks().Take(nBytes);
    if (p == nullptr)
        p = static_cast<char*>(std::malloc(nBytes));
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}
} // namespace

CMarkupArena* CMarkupArena::Create(LPCTSTR source, int nLength)
{
    CMarkupArena* pArena = new CMarkupArena;
    // The source in a block of its own, with room for the nodes of a page
    // of ordinary markup after it.
    const size_t nSource = Rounded((size_t)nLength + 1);
    pArena->m_nBlockSize = std::max<size_t>(16384, Rounded((size_t)nLength / 2));
    size_t nBlock = nSource + pArena->m_nBlockSize;
    char* pBlock;
    try
    {
        pBlock = NewBlock(nBlock);
    }
    catch (...)
    {
        delete pArena;
        throw;
    }
    pArena->m_nBlockSize = nBlock - nSource;
    pArena->m_blocks.emplace_back(pBlock, nBlock);
    std::memcpy(pBlock, source, (size_t)nLength);
    pBlock[nLength] = '\0';
    pArena->m_pSource = pBlock;
    pArena->m_nSource = nLength;
    pArena->m_pNext = pBlock + nSource;
    pArena->m_pEnd = pArena->m_pNext + pArena->m_nBlockSize;
    return pArena;
}

CMarkupArena::~CMarkupArena()
{
#ifdef TANZO_ARENA_POISON
    for (const auto& block : m_blocks)
        ASAN_UNPOISON_MEMORY_REGION(block.first, block.second);
#endif
    SpareBlocks().GiveAll(m_blocks);
}

void* CMarkupArena::Allocate(size_t nBytes)
{
    nBytes = Rounded(nBytes);
    if ((size_t)(m_pEnd - m_pNext) < nBytes)
    {
        m_nBlockSize = std::max(nBytes, std::min<size_t>(m_nBlockSize * 2, 4 << 20));
        char* pBlock = NewBlock(m_nBlockSize);
        m_blocks.emplace_back(pBlock, m_nBlockSize);
        m_pNext = pBlock;
        m_pEnd = pBlock + m_nBlockSize;
    }
    void* p = m_pNext;
    m_pNext += nBytes;
    if (this == t_pCurrent)
        ++m_nLocalRefs;
    else
        AddRef();
    return p;
}

void CMarkupArena::Free(void* p, size_t nBytes)
{
#ifdef TANZO_ARENA_POISON
    ASAN_POISON_MEMORY_REGION(p, Rounded(nBytes));
#else
    (void)p;
    (void)nBytes;
#endif
    ReleaseNode();
}

void CMarkupArena::ReleaseNode()
{
    if (this == t_pCurrent)
    {
        --m_nLocalRefs;
        return;
    }
    PendingRelease& pending = t_pending;
    if (pending.nDepth == 0)
    {
        Release();
        return;
    }
    if (pending.pArena != this)
    {
        Release(pending.pArena, pending.nRefs);
        pending.pArena = this;
        pending.nRefs = 0;
    }
    ++pending.nRefs;
}

void CMarkupArena::Release()
{
    Release(this, 1);
}

void CMarkupArena::Release(CMarkupArena* pArena, long nRefs)
{
    if (pArena != nullptr && nRefs != 0 &&
        pArena->m_nRefs.fetch_sub(nRefs, std::memory_order_acq_rel) == nRefs)
        delete pArena;
}

void CMarkupArena::Settle()
{
    const long nLocal = m_nLocalRefs;
    m_nLocalRefs = 0;
    if (nLocal > 0)
        m_nRefs.fetch_add(nLocal, std::memory_order_relaxed);
    else
        Release(this, -nLocal);
}

CMarkupArena* CMarkupArena::Current()
{
    return t_pCurrent;
}

namespace
{
// Before every block of AllocateAny the arena it came from (null: the
// heap), and for the poisoning its size.
struct BlockHeader
{
    CMarkupArena* pArena;
#ifdef TANZO_ARENA_POISON
    size_t nBytes;
#endif
};
const size_t kBlockHeader = sizeof(BlockHeader);
static_assert(kBlockHeader % kAlign == 0, "block header");
} // namespace

void* CMarkupArena::AllocateAny(size_t nBytes)
{
    CMarkupArena* pArena = t_pCurrent;
    char* p;
    if (pArena != nullptr)
        p = static_cast<char*>(pArena->Allocate(nBytes + kBlockHeader));
    else
    {
        p = static_cast<char*>(std::malloc(nBytes + kBlockHeader));
        if (p == nullptr)
            throw std::bad_alloc();
    }
    BlockHeader* pHeader = reinterpret_cast<BlockHeader*>(p);
    pHeader->pArena = pArena;
#ifdef TANZO_ARENA_POISON
    pHeader->nBytes = nBytes;
#endif
    return p + kBlockHeader;
}

void CMarkupArena::FreeAny(void* p) noexcept
{
    if (p == nullptr)
        return;
    char* pBlock = static_cast<char*>(p) - kBlockHeader;
    const BlockHeader* pHeader = reinterpret_cast<const BlockHeader*>(pBlock);
    CMarkupArena* pArena = pHeader->pArena;
#ifdef TANZO_ARENA_POISON
    const size_t nBytes = pHeader->nBytes + kBlockHeader;
#else
    const size_t nBytes = 0;
#endif
    if (pArena != nullptr)
        pArena->Free(pBlock, nBytes);
    else
        std::free(pBlock);
}

CMarkupArena::Scope::Scope(CMarkupArena* pArena) : m_pPrevious(t_pCurrent)
{
    t_pCurrent = pArena;
}

CMarkupArena::Scope::~Scope()
{
    CMarkupArena* pArena = t_pCurrent;
    t_pCurrent = m_pPrevious;
    if (pArena != nullptr && pArena != m_pPrevious)
        pArena->Settle();
}

CMarkupArena::ReleaseBatch::ReleaseBatch()
{
    ++t_pending.nDepth;
}

CMarkupArena::ReleaseBatch::~ReleaseBatch()
{
    PendingRelease& pending = t_pending;
    if (--pending.nDepth > 0)
        return;
    CMarkupArena* pArena = pending.pArena;
    const long nRefs = pending.nRefs;
    pending.pArena = nullptr;
    pending.nRefs = 0;
    Release(pArena, nRefs);
}
