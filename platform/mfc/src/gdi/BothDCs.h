// Settings that shape both drawing and measuring go to the output context
// and, when it is another one, to the attribute context; the answer comes
// from the attribute context.
#pragma once

#include <afxgdi.h>

template <class Result, class Call> Result AfxOnBothDCs(const CDC& dc, Result failure, Call call)
{
    Result result = failure;
    if (dc.m_hDC && dc.m_hDC != dc.m_hAttribDC)
        result = call(dc.m_hDC);
    if (dc.m_hAttribDC)
        result = call(dc.m_hAttribDC);
    return result;
}
