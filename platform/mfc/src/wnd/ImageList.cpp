// Image lists: an object holds one list and destroys it with itself.
#include "WndInternal.h"
#include "../SafeHandle.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::CImageList() : m_hImageList(nullptr)
{
}

CImageList::~CImageList()
{
    DeleteImageList();
}

HIMAGELIST CImageList::GetSafeHandle() const
{
    return AfxSafeHandle(this, &CImageList::m_hImageList);
}

CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST hImageList)
{
    CAfxWndThreadState* state = AfxExistingWndState();
    return hImageList && state ? state->imageLists.permanent(hImageList) : nullptr;
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList)
{
    CAfxWndThreadState* state = hImageList ? AfxWndState() : nullptr;
    if (!state)
        return nullptr;
    return state->imageLists.lookup(hImageList, [](HIMAGELIST hTemp) {
        CImageList* pList = new CImageList;
        if (pList)
            pList->m_hImageList = hTemp;
        return pList;
    });
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (m_hImageList || !hImageList)
        return FALSE;
    CAfxWndThreadState* state = AfxWndState();
    if (!state || !state->imageLists.attach(hImageList, this))
        return FALSE;
    m_hImageList = hImageList;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList) {
        if (CAfxWndThreadState* state = AfxExistingWndState())
            state->imageLists.removePermanent(hImageList, this);
    }
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    if (m_hImageList)
        return FALSE;
    HIMAGELIST hImageList = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    if (!hImageList)
        return FALSE;
    if (!Attach(hImageList)) {
        ImageList_Destroy(hImageList);
        return FALSE;
    }
    return TRUE;
}

BOOL CImageList::DeleteImageList()
{
    HIMAGELIST hImageList = Detach();
    return hImageList ? ImageList_Destroy(hImageList) : FALSE;
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    if (!m_hImageList || !pbmImage || !pbmImage->m_hObject)
        return -1;
    return ImageList_Add(m_hImageList, static_cast<HBITMAP>(pbmImage->m_hObject),
                         pbmMask ? static_cast<HBITMAP>(pbmMask->m_hObject) : nullptr);
}

int CImageList::GetImageCount() const
{
    return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0;
}
