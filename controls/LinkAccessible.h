// What assistive technology learns of a hyperlink control, and how it opens
// one: the control's accessible object, handed out for WM_GETOBJECT.
#pragma once

#include <windows.h>

class CT_HttpLink;

// The reference to a new accessible object of the link's client area, for
// WM_GETOBJECT with these parameters; 0 where the message is left to the
// default handling: another object than the client area, or a thread that is
// no single-threaded apartment of the component model (there the object's
// callers could reach it from any thread, or marshalling has not started).
LRESULT i_GetAccessibleReference(CT_HttpLink* pco_Link, WPARAM wParam, LPARAM lParam);
