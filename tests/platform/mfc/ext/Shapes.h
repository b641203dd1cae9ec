// Run-time classes of the test extension DLL MfcTestExtA.dll.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS CTestShape : public CObject {
    DECLARE_DYNCREATE(CTestShape)

public:
    CTestShape();
    ~CTestShape() override;
};

class AFX_EXT_CLASS CTestCircle : public CTestShape {
    DECLARE_DYNCREATE(CTestCircle)

public:
    int m_nRadius = 7;
};

// Only dynamic: not creatable by name.
class AFX_EXT_CLASS CTestSquare : public CTestShape {
    DECLARE_DYNAMIC(CTestSquare)
};

extern "C" {
// Shapes constructed and not yet destroyed.
AFX_EXT_CLASS long __cdecl TestExt_GetLiveShapes(void);
// A circle allocated by the DLL, null without memory.
AFX_EXT_CLASS CObject* __cdecl TestExt_NewCircle(void);
}

typedef long(__cdecl* PFN_TestExt_GetLiveShapes)(void);
typedef CObject*(__cdecl* PFN_TestExt_NewCircle)(void);
