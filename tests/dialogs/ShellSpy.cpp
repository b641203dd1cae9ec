#include "ShellSpy.h"

#include <algorithm>

namespace {

ShellSpy* active = nullptr;

// The shell's allocator with its references and frees counted. It lives as
// long as the spy, which restores the library's imports before it goes.
class CountingMalloc final : public IMalloc {
public:
    explicit CountingMalloc(IMalloc* real) : real_(real) {}
    ~CountingMalloc() { real_->Release(); }
    CountingMalloc(const CountingMalloc&) = delete;
    CountingMalloc& operator=(const CountingMalloc&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IMalloc)
            return E_NOINTERFACE;
        *out = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--references); }
    void* STDMETHODCALLTYPE Alloc(SIZE_T size) override { return real_->Alloc(size); }
    void* STDMETHODCALLTYPE Realloc(void* block, SIZE_T size) override { return real_->Realloc(block, size); }
    void STDMETHODCALLTYPE Free(void* block) override
    {
        if (block)
            active->freed.push_back(block);
        real_->Free(block);
    }
    SIZE_T STDMETHODCALLTYPE GetSize(void* block) override { return real_->GetSize(block); }
    int STDMETHODCALLTYPE DidAlloc(void* block) override { return real_->DidAlloc(block); }
    void STDMETHODCALLTYPE HeapMinimize() override { real_->HeapMinimize(); }

    long references = 0;

private:
    IMalloc* real_;
};

CountingMalloc* counting = nullptr;

using GetDesktopFolder = HRESULT(WINAPI*)(IShellFolder**);
using BrowseForFolder = LPITEMIDLIST(WINAPI*)(LPBROWSEINFOW);
using GetPathFromIDList = BOOL(WINAPI*)(LPCITEMIDLIST, LPWSTR);
using SendMessageFunction = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

GetDesktopFolder realDesktop = nullptr;
BrowseForFolder realBrowse = nullptr;
GetPathFromIDList realPath = nullptr;
SendMessageFunction realSend = nullptr;

HRESULT WINAPI spyGetMalloc(IMalloc** out)
{
    *out = nullptr;
    if (active->failMalloc)
        return E_FAIL;
    counting->AddRef();
    *out = counting;
    return S_OK;
}

HRESULT WINAPI spyGetDesktopFolder(IShellFolder** out)
{
    ++active->desktopCalls;
    if (!active->failDesktop)
        return realDesktop(out);
    *out = nullptr;
    return E_FAIL;
}

LPITEMIDLIST WINAPI spyBrowseForFolder(LPBROWSEINFOW info)
{
    ++active->browseCalls;
    active->handed = *info;
    active->titleGiven = info->lpszTitle != nullptr;
    active->title = info->lpszTitle ? info->lpszTitle : L"";
    LPITEMIDLIST chosen = realBrowse(info);
    active->chosen = chosen;
    active->reportedImage = info->iImage;
    return chosen;
}

BOOL WINAPI spyGetPathFromIDList(LPCITEMIDLIST list, LPWSTR path)
{
    return active->failPath ? FALSE : realPath(list, path);
}

LRESULT WINAPI spySendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == BFFM_SETSELECTIONW)
        active->selections.emplace_back(wParam, reinterpret_cast<const wchar_t*>(lParam));
    return realSend(window, message, wParam, lParam);
}

template <typename F>
F patch(std::vector<std::unique_ptr<ImportPatch>>& patches, const char* dll, const char* name, void* replacement)
{
    patches.push_back(std::make_unique<ImportPatch>(GetModuleHandleW(L"Dialogs.dll"), dll, name, replacement));
    return patches.back()->original<F>();
}

} // namespace

ShellSpy::ShellSpy()
{
    IMalloc* real = nullptr;
    CoGetMalloc(1, &real);
    counting = new CountingMalloc(real);
    active = this;
    patch<void*>(patches_, "shell32.dll", "SHGetMalloc", reinterpret_cast<void*>(spyGetMalloc));
    realDesktop = patch<GetDesktopFolder>(patches_, "shell32.dll", "SHGetDesktopFolder",
                                          reinterpret_cast<void*>(spyGetDesktopFolder));
    realBrowse = patch<BrowseForFolder>(patches_, "shell32.dll", "SHBrowseForFolderW",
                                        reinterpret_cast<void*>(spyBrowseForFolder));
    realPath = patch<GetPathFromIDList>(patches_, "shell32.dll", "SHGetPathFromIDListW",
                                        reinterpret_cast<void*>(spyGetPathFromIDList));
    realSend = patch<SendMessageFunction>(patches_, "user32.dll", "SendMessageW",
                                          reinterpret_cast<void*>(spySendMessage));
}

ShellSpy::~ShellSpy()
{
    patches_.clear();
    active = nullptr;
    delete counting;
    counting = nullptr;
}

bool ShellSpy::ok() const
{
    return std::all_of(patches_.begin(), patches_.end(), [](const auto& p) { return p->ok(); });
}

long ShellSpy::mallocReferences() const
{
    return counting->references;
}

bool ShellSpy::wasFreed(const void* block) const
{
    return block && std::find(freed.begin(), freed.end(), block) != freed.end();
}

void ShellSpy::forget()
{
    browseCalls = 0;
    handed = {};
    titleGiven = false;
    title.clear();
    chosen = nullptr;
    reportedImage = 0;
    selections.clear();
    desktopCalls = 0;
    freed.clear();
}
