// 64-bit: every block lies above 4 GiB. A 64-bit process is otherwise given
// its memory low first, where a pointer kept in 32 bits by mistake survives
// the round trip; up here it loses its upper half and fails at once.
//
// Blocks up to 64 KiB come in power-of-two size classes from one range
// reserved at the top of the address space and committed as it fills; a freed
// block waits on its class's list for the next block of that class. A larger
// block is a region of its own, also reserved from the top.
#include "Blocks.h"

#include <windows.h>

#include <stdint.h>

namespace {

// Precedes every block; 16 bytes, so that blocks keep the 16-byte alignment.
struct Header {
    uintptr_t seal;        // sealOf(header) while the block is handed out
    uintptr_t sizeClass;   // kOwnRegion for a block with a region of its own
};

constexpr size_t kSmallest = 32;   // class 0, header included
constexpr unsigned kClasses = 12;  // up to 64 KiB
constexpr uintptr_t kOwnRegion = kClasses;
constexpr size_t kRangeSize = size_t(4) << 30;
constexpr size_t kCommitStep = size_t(1) << 20;

uintptr_t sealOf(const Header* header)
{
    return reinterpret_cast<uintptr_t>(header) ^ 0x44415A3332B10C4Bull;
}

void* seal(Header* header, uintptr_t sizeClass)
{
    header->seal = sealOf(header);
    header->sizeClass = sizeClass;
    return header + 1;
}

class ScopedLock {
public:
    explicit ScopedLock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    ~ScopedLock() { LeaveCriticalSection(&section_); }
    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;

private:
    CRITICAL_SECTION& section_;
};

class HighBlocks {
public:
    HighBlocks()
        : begin_(static_cast<char*>(VirtualAlloc(nullptr, kRangeSize, MEM_RESERVE | MEM_TOP_DOWN, PAGE_NOACCESS))),
          next_(begin_), committed_(begin_)
    {
        InitializeCriticalSection(&lock_);
    }
    HighBlocks(const HighBlocks&) = delete;
    HighBlocks& operator=(const HighBlocks&) = delete;

    void* take(size_t size)
    {
        if (size <= (kSmallest << (kClasses - 1)) - sizeof(Header)) {
            if (void* block = takeSmall(classOf(size + sizeof(Header))))
                return block;
        }
        return takeOwnRegion(size);
    }

    bool give(void* block)
    {
        Header* header = static_cast<Header*>(block) - 1;
        const char* address = static_cast<const char*>(block);
        {
            ScopedLock lock(lock_);
            if (begin_ && address >= begin_ + sizeof(Header) && address < next_) {
                if (header->seal != sealOf(header))
                    return false;
                header->seal = 0;
                *static_cast<Header**>(block) = free_[header->sizeClass];
                free_[header->sizeClass] = header;
                return true;
            }
        }
        return giveOwnRegion(header);
    }

private:
    static unsigned classOf(size_t bytes)
    {
        unsigned sizeClass = 0;
        while ((kSmallest << sizeClass) < bytes)
            ++sizeClass;
        return sizeClass;
    }

    void* takeSmall(unsigned sizeClass)
    {
        ScopedLock lock(lock_);
        Header* header = free_[sizeClass];
        if (header) {
            free_[sizeClass] = *reinterpret_cast<Header**>(header + 1);
            return seal(header, sizeClass);
        }
        const size_t bytes = kSmallest << sizeClass;
        if (!begin_ || static_cast<size_t>(begin_ + kRangeSize - next_) < bytes)
            return nullptr;
        if (static_cast<size_t>(committed_ - next_) < bytes) {
            if (!VirtualAlloc(committed_, kCommitStep, MEM_COMMIT, PAGE_READWRITE))
                return nullptr;
            committed_ += kCommitStep;
        }
        header = reinterpret_cast<Header*>(next_);
        next_ += bytes;
        return seal(header, sizeClass);
    }

    static void* takeOwnRegion(size_t size)
    {
        if (size > SIZE_MAX / 2)
            return nullptr;
        void* region = VirtualAlloc(nullptr, size + sizeof(Header), MEM_RESERVE | MEM_COMMIT | MEM_TOP_DOWN,
                                    PAGE_READWRITE);
        return region ? seal(static_cast<Header*>(region), kOwnRegion) : nullptr;
    }

    // The header of a block with a region of its own starts that region, on
    // the block's own page: an address that does not sit just behind the start
    // of a readable region is not one of these blocks, and is not read.
    static bool giveOwnRegion(Header* header)
    {
        MEMORY_BASIC_INFORMATION info;
        if (!VirtualQuery(header + 1, &info, sizeof info) || info.AllocationBase != header ||
            info.State != MEM_COMMIT || info.Protect != PAGE_READWRITE)
            return false;
        if (header->seal != sealOf(header) || header->sizeClass != kOwnRegion)
            return false;
        header->seal = 0;
        return VirtualFree(header, 0, MEM_RELEASE) != FALSE;
    }

    CRITICAL_SECTION lock_;
    char* const begin_;
    char* next_;        // the first byte never handed out
    char* committed_;   // the end of the committed part
    Header* free_[kClasses] = {};
};

HighBlocks& blocks()
{
    static HighBlocks b;
    return b;
}

} // namespace

void* Blocks::take(size_t size)
{
    return blocks().take(size);
}

bool Blocks::give(void* block)
{
    return blocks().give(block);
}
