// The framework's exceptions and the functions that throw them.
#include <afxwin.h>

#include <wchar.h>

namespace {

// Thrown when there is no memory, so it must not need any.
class CStaticMemoryException : public CMemoryException {
public:
    CStaticMemoryException() { _m_bAutoDelete = FALSE; }
};

CStaticMemoryException memoryException;

// A heap exception of type T, or the memory exception when there is no room for one.
template <class T> [[noreturn]] void throwNew()
{
    T* pException = new T;
    if (!pException)
        AfxThrowMemoryException();
    throw pException;
}

BOOL copyMessage(LPCWSTR text, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0)
        return FALSE;
    lstrcpynW(lpszError, text, static_cast<int>(nMaxError));
    return *text != 0;
}

} // namespace

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

CException::CException() : _m_bAutoDelete(TRUE)
{
}

CException::CException(BOOL bAutoDelete) : _m_bAutoDelete(bAutoDelete)
{
}

CException::~CException() = default;

// An exception that is not on the heap outlives its handlers.
void CException::Delete()
{
    if (_m_bAutoDelete > 0)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return copyMessage(L"", lpszError, nMaxError, pnHelpContext);
}

CSimpleException::CSimpleException() = default;

CSimpleException::CSimpleException(BOOL bAutoDelete) : CException(bAutoDelete)
{
}

CSimpleException::~CSimpleException() = default;

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    LPCWSTR text = L"";
    if (IsKindOf(RUNTIME_CLASS(CMemoryException)))
        text = L"Out of memory.";
    else if (IsKindOf(RUNTIME_CLASS(CResourceException)))
        text = L"A required resource was unavailable.";
    else if (IsKindOf(RUNTIME_CLASS(CNotSupportedException)))
        text = L"Unsupported operation was attempted.";
    return copyMessage(text, lpszError, nMaxError, pnHelpContext);
}

CMemoryException::CMemoryException() = default;
CMemoryException::~CMemoryException() = default;
CNotSupportedException::CNotSupportedException() = default;
CNotSupportedException::~CNotSupportedException() = default;
CResourceException::CResourceException() = default;
CResourceException::~CResourceException() = default;
CUserException::CUserException() = default;
CUserException::~CUserException() = default;

void AFXAPI AfxThrowMemoryException()
{
    throw static_cast<CMemoryException*>(&memoryException);
}

void AFXAPI AfxThrowNotSupportedException()
{
    throwNew<CNotSupportedException>();
}

void AFXAPI AfxThrowResourceException()
{
    throwNew<CResourceException>();
}

void AFXAPI AfxThrowUserException()
{
    throwNew<CUserException>();
}
