#include <Dialogs/SelectDirectory.h>

#include "WholeText.h"

#include <shlobj.h>

#include <new>

namespace {

// What the shell hands out during one browse, given back on every way out.
struct CT_ShellObjects {
    IMalloc* pco_Malloc = nullptr;
    IShellFolder* pco_Desktop = nullptr;
    LPITEMIDLIST p_Root = nullptr;
    LPITEMIDLIST p_Chosen = nullptr;

    CT_ShellObjects() = default;
    CT_ShellObjects(const CT_ShellObjects&) = delete;
    CT_ShellObjects& operator=(const CT_ShellObjects&) = delete;
    ~CT_ShellObjects()
    {
        if (p_Chosen)
            pco_Malloc->Free(p_Chosen);
        if (p_Root)
            pco_Malloc->Free(p_Root);
        if (pco_Desktop)
            pco_Desktop->Release();
        if (pco_Malloc)
            pco_Malloc->Release();
    }
};

bool b_IsSeparator(wchar_t unit)
{
    return unit == L'\\' || unit == L'/';
}

// ParseDisplayName wants a writable MAX_PATH buffer; a longer root is
// refused rather than cut, which would name another folder.
bool b_ParseRoot(IShellFolder* desktop, const CT_UString* root, LPITEMIDLIST* list)
{
    if (root->vn_GetLength() >= MAX_PATH)
        return false;
    wchar_t buffer[MAX_PATH];
    lstrcpynW(buffer, root->qcuz_Get(), MAX_PATH);
    return SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, buffer, nullptr, list, nullptr)) && *list;
}

} // namespace

// The library's global operators: its allocator, null without memory.
void* CT_SelectDirectory::operator new(size_t size) noexcept
{
    return ::operator new(size, std::nothrow);
}

void CT_SelectDirectory::operator delete(void* block) noexcept
{
    ::operator delete(block);
}

CT_SelectDirectory::CT_SelectDirectory(const CT_UString* title, const CT_UString* initialFolder,
                                       const CT_UString* root)
    : pcco_Title(nullptr), pcco_Root(nullptr), i_Image(-1)
{
    v_Init(title, initialFolder, root);
}

CT_SelectDirectory::CT_SelectDirectory(const CT_SelectDirectory& other) = default;

CT_SelectDirectory::~CT_SelectDirectory() = default;

CT_SelectDirectory& CT_SelectDirectory::operator=(const CT_SelectDirectory& other) = default;

void CT_SelectDirectory::v_Init(const CT_UString* title, const CT_UString* initialFolder, const CT_UString* root)
{
    pcco_Title = title;
    pcco_Root = root;
    if (initialFolder)
        co_InitialFolder = *initialFolder;
}

void CT_SelectDirectory::v_Set(const CT_UString* title, const CT_UString* initialFolder, const CT_UString* root)
{
    v_Init(title, initialFolder, root);
    co_Result.v_Set(nullptr, 1);
}

int CT_SelectDirectory::b_Browse()
{
    CT_ShellObjects shell;
    if (FAILED(SHGetMalloc(&shell.pco_Malloc)) || !shell.pco_Malloc)
        return FALSE;
    BROWSEINFOW info = {};

    // The shell is handed folders without a trailing separator; the shortened
    // text stays for later browses.
    const unsigned length = co_InitialFolder.vn_GetLength();
    if (length && b_IsSeparator(co_InitialFolder.u_GetAt(length - 1)))
        co_InitialFolder.vv_Remove(1, length - 1);

    if (pcco_Root && pcco_Root->vn_GetLength()) {
        // Without the desktop folder the whole namespace is offered instead.
        if (SUCCEEDED(SHGetDesktopFolder(&shell.pco_Desktop)) && shell.pco_Desktop) {
            if (!b_ParseRoot(shell.pco_Desktop, pcco_Root, &shell.p_Root))
                return FALSE;
            info.pidlRoot = shell.p_Root;
        }
    }

    wchar_t path[MAX_PATH] = {};
    info.pszDisplayName = path;
    info.lpszTitle = pcco_Title ? pcco_Title->qcuz_Get() : nullptr;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
    info.lpfn = si_BrowseCtrlCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);

    shell.p_Chosen = SHBrowseForFolderW(&info);
    if (!shell.p_Chosen)
        return FALSE;
    i_Image = info.iImage;
    if (!SHGetPathFromIDListW(shell.p_Chosen, path))
        return FALSE;
    co_Result.v_Set(path, kWholeText);
    return TRUE;
}

CT_UString* CT_SelectDirectory::pco_GetResult() const
{
    return const_cast<CT_UString*>(&co_Result);
}

int CALLBACK CT_SelectDirectory::si_BrowseCtrlCallback(HWND window, UINT message, LPARAM, LPARAM data)
{
    const auto* self = reinterpret_cast<const CT_SelectDirectory*>(data);
    if (message == BFFM_INITIALIZED && self && self->co_InitialFolder.vn_GetLength())
        SendMessageW(window, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(self->co_InitialFolder.qcuz_Get()));
    return 0;
}
