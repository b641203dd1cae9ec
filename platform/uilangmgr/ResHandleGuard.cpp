#include <afx.h>

#include "LexorinUILanguageMgr.h"

CT_ResHandleGuard::CT_ResHandleGuard(HINSTANCE hModule)
    : h_Previous(AfxGetResourceHandle())
{
    AfxSetResourceHandle(hModule);
}

CT_ResHandleGuard::~CT_ResHandleGuard()
{
    AfxSetResourceHandle(h_Previous);
}
