// A folder chooser over the shell's folder-browse dialog.
#pragma once

#include "DialogsExport.h"
#include "LexorinBasis.h"

#include <windows.h>

// Lets the user pick a file-system folder. The object prepares the shell's
// dialog, steers its start-up and turns the answer into a path; it can be set
// up again and used for several browses.
//
// The title and root strings stay the caller's: the object keeps the
// pointers, and they must live, unchanged, until the browse that uses them
// has returned. The initial folder is copied.
class DIALOGS_API CT_SelectDirectory {
public:
    // Null or empty root: the tree starts at the desktop. Null initial
    // folder: the dialog opens on its own default selection.
    CT_SelectDirectory(const CT_UString* title, const CT_UString* initialFolder, const CT_UString* root);
    CT_SelectDirectory(const CT_SelectDirectory& other);
    virtual ~CT_SelectDirectory();
    CT_SelectDirectory& operator=(const CT_SelectDirectory& other);

    // Readies the object for a new browse: new title and root, a new initial
    // folder when one is given (else the previous one stays), no result.
    void v_Set(const CT_UString* title, const CT_UString* initialFolder, const CT_UString* root);

    // Shows the dialog, modal, on the calling thread, which must be set up
    // for the shell (CoInitialize). TRUE when the user chose a folder that
    // has a file-system path, now in the result; otherwise FALSE and the
    // result keeps what it held.
    int b_Browse();
    CT_UString* pco_GetResult() const;

    // The shell calls this while its dialog runs; `data` is the object.
    static int CALLBACK si_BrowseCtrlCallback(HWND window, UINT message, LPARAM parameter, LPARAM data);

    // A host may create the object in its own module while the deleting
    // destructor lives in this library: both operators are the library's,
    // so the block comes from and goes back to the library's allocator.
    // Without memory the result is null and no constructor runs.
    static void* operator new(size_t size) noexcept;
    static void operator delete(void* block) noexcept;

protected:
    const CT_UString* pcco_Title;
    const CT_UString* pcco_Root;
    CT_UString co_Result;
    CT_UString co_InitialFolder;
    // The chosen folder's index in the system image list, as the dialog
    // reports it; -1 until a browse ends with a choice.
    int i_Image;

private:
    void v_Init(const CT_UString* title, const CT_UString* initialFolder, const CT_UString* root);
};
