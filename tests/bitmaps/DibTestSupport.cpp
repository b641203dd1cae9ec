#include "DibTestSupport.h"

#include <stdio.h>
#include <string.h>

PictureModule::PictureModule() : module_(LoadLibraryW(L"DibTestPictures.dll"))
{
}

PictureModule::~PictureModule()
{
    if (module_)
        FreeLibrary(module_);
}

std::vector<unsigned char> resourceBytes(HMODULE module, unsigned id)
{
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), RT_BITMAP);
    if (!resource)
        return {};
    const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(module, resource)));
    const DWORD size = SizeofResource(module, resource);
    if (!data)
        return {};
    return std::vector<unsigned char>(data, data + size);
}

int differences(const DibCanvas& left, const DibCanvas& right)
{
    int count = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x)
            count += left.at(x, y) != right.at(x, y);
    return count;
}

int firstQuadrantMismatch(const DibCanvas& canvas, POINT origin, int quadWidth, int quadHeight)
{
    for (int y = 0; y < quadHeight; ++y) {
        for (int x = 0; x < quadWidth; ++x) {
            const int quadrant = (y < quadHeight / 2 ? 0 : 2) + (x < quadWidth / 2 ? 0 : 1);
            if (canvas.at(origin.x + x, origin.y + y) != kQuadColours[quadrant])
                return y * quadWidth + x;
        }
    }
    return -1;
}

namespace {

// A read of a guard page ends the program at once with a message, rather
// than waiting for a debugger to come.
LONG CALLBACK onGuardPageRead(EXCEPTION_POINTERS* exception)
{
    const EXCEPTION_RECORD* record = exception->ExceptionRecord;
    if (record->ExceptionCode != EXCEPTION_ACCESS_VIOLATION || record->NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;
    void* address = reinterpret_cast<void*>(record->ExceptionInformation[1]);
    MEMORY_BASIC_INFORMATION page = {};
    if (!VirtualQuery(address, &page, sizeof page) || page.Protect != PAGE_NOACCESS)
        return EXCEPTION_CONTINUE_SEARCH;
    fprintf(stderr, "read past a guarded block at %p\n", address);
    fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_CONTINUE_SEARCH;
}

} // namespace

GuardedBlock::GuardedBlock(size_t capacity)
{
    static PVOID handler = AddVectoredExceptionHandler(1, onGuardPageRead);
    (void)handler;
    SYSTEM_INFO system = {};
    GetSystemInfo(&system);
    const size_t page = system.dwPageSize;
    room_ = (capacity + page - 1) / page * page;
    base_ = static_cast<unsigned char*>(VirtualAlloc(nullptr, room_ + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD previous = 0;
    if (base_ && !VirtualProtect(base_ + room_, page, PAGE_NOACCESS, &previous)) {
        VirtualFree(base_, 0, MEM_RELEASE);
        base_ = nullptr;
    }
}

GuardedBlock::~GuardedBlock()
{
    if (base_)
        VirtualFree(base_, 0, MEM_RELEASE);
}

const unsigned char* GuardedBlock::place(const unsigned char* data, size_t size)
{
    if (!base_ || size > room_)
        return nullptr;
    unsigned char* start = base_ + room_ - size;
    if (size)
        memcpy(start, data, size);
    return start;
}

GuardedResourceLocks* GuardedResourceLocks::current_ = nullptr;

GuardedResourceLocks::GuardedResourceLocks()
    : patch_(GetModuleHandleW(L"Dialogs.dll"), "KERNEL32.dll", "LockResource", reinterpret_cast<void*>(&lockResource))
{
    current_ = this;
}

GuardedResourceLocks::~GuardedResourceLocks()
{
    current_ = nullptr;
}

LPVOID WINAPI GuardedResourceLocks::lockResource(HGLOBAL resource)
{
    auto* data =
        static_cast<const unsigned char*>(current_->patch_.original<LPVOID(WINAPI*)(HGLOBAL)>()(resource));
    if (!data || !current_->block_)
        return const_cast<unsigned char*>(data);
    return const_cast<unsigned char*>(current_->block_->place(data, current_->size_));
}
