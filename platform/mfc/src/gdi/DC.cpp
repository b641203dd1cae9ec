// CDC: ownership of a device context, its two handles, saved states.
#include "HandleMaps.h"
#include "../SafeHandle.h"

#include <afxdiag.h>

IMPLEMENT_DYNAMIC(CDC, CObject)

CDC::~CDC()
{
    HDC hDC = Detach();
    if (hDC)
        ::DeleteDC(hDC);
}

HDC CDC::GetSafeHdc() const
{
    return AfxSafeHandle(this, &CDC::m_hDC);
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return AfxDCFromHandle(hDC);
}

BOOL CDC::Attach(HDC hDC)
{
    if (m_hDC || m_hAttribDC || !hDC)
        return FALSE;
    if (!AfxSetPermanentDC(hDC, this))
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC)
        AfxRemovePermanentDC(hDC, this);
    if (m_hAttribDC && m_hAttribDC != hDC)
        AfxRemovePermanentDC(m_hAttribDC, this);
    m_hDC = m_hAttribDC = nullptr;
    return hDC;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

namespace {

// A context that cannot be attached is deleted again rather than leaked.
BOOL attachNewDC(CDC& dc, HDC hDC)
{
    if (!hDC)
        return FALSE;
    if (dc.Attach(hDC))
        return TRUE;
    ::DeleteDC(hDC);
    return FALSE;
}

} // namespace

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    if (m_hDC || m_hAttribDC)
        return FALSE;
    return attachNewDC(*this, ::CreateDC(lpszDriverName, lpszDeviceName, lpszOutput,
                                         static_cast<const DEVMODE*>(lpInitData)));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    if (m_hDC || m_hAttribDC)
        return FALSE;
    return attachNewDC(*this, ::CreateIC(lpszDriverName, lpszDeviceName, lpszOutput,
                                         static_cast<const DEVMODE*>(lpInitData)));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    if (m_hDC || m_hAttribDC)
        return FALSE;
    return attachNewDC(*this, ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr));
}

// With two different contexts the saved states carry different numbers, so
// the answer is -1: RestoreDC(-1) goes back to the latest state of both.
int CDC::SaveDC()
{
    if (!m_hDC || !m_hAttribDC || m_hDC == m_hAttribDC) {
        HDC hDC = m_hAttribDC ? m_hAttribDC : m_hDC;
        return hDC ? ::SaveDC(hDC) : 0;
    }
    const int nSavedAttrib = ::SaveDC(m_hAttribDC);
    if (!nSavedAttrib)
        return 0;
    if (!::SaveDC(m_hDC)) {
        ::RestoreDC(m_hAttribDC, nSavedAttrib);
        return 0;
    }
    return -1;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bResult = TRUE;
    if (m_hDC && m_hDC != m_hAttribDC)
        bResult = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC)
        bResult = ::RestoreDC(m_hAttribDC, nSavedDC) && bResult;
    return (m_hDC || m_hAttribDC) && bResult;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return m_hAttribDC ? ::GetDeviceCaps(m_hAttribDC, nIndex) : 0;
}

// Reaches the printing flag, which the framework's printing code sets.
class CDCInternal {
public:
    static void SetPrinting(CDC* pDC, BOOL bPrinting) { pDC->m_bPrinting = bPrinting; }
};

extern "C" void __cdecl AfxDiagSetPrinting(CDC* pDC, BOOL bPrinting)
{
    if (pDC)
        CDCInternal::SetPrinting(pDC, bPrinting);
}
