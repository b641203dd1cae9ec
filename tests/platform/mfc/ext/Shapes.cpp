#include "Shapes.h"

namespace {

volatile LONG liveShapes = 0;

} // namespace

IMPLEMENT_DYNCREATE(CTestShape, CObject)
IMPLEMENT_DYNCREATE(CTestCircle, CTestShape)
IMPLEMENT_DYNAMIC(CTestSquare, CTestShape)

CTestShape::CTestShape()
{
    InterlockedIncrement(&liveShapes);
}

CTestShape::~CTestShape()
{
    InterlockedDecrement(&liveShapes);
}

long __cdecl TestExt_GetLiveShapes(void)
{
    return liveShapes;
}

CObject* __cdecl TestExt_NewCircle(void)
{
    return new CTestCircle;
}
