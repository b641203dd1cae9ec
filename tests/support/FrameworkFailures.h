// Failures that the framework reports by throwing, brought about by standing
// between one module and the calls behind them. Each lasts as long as its
// object; ok() is false when a call could not be reached.
#pragma once

#include <afxwin.h>

#include "ImportPatch.h"

// The framework's device-context wrappers get no context (CPaintDC,
// CClientDC and CWindowDC throw CResourceException), as when the system
// has none left.
class NoWindowContexts {
public:
    NoWindowContexts();
    bool ok() const { return client_.ok() && window_.ok() && paint_.ok(); }

private:
    ImportPatch client_, window_, paint_;
};

// The framework's own allocations fail (a CString that must grow throws
// CMemoryException), as when the heap is full.
class NoFrameworkMemory {
public:
    NoFrameworkMemory();
    bool ok() const { return malloc_.ok() && realloc_.ok(); }

private:
    ImportPatch malloc_, realloc_;
};

// AfxRegisterWndClass, as the library calls it, throws CResourceException,
// as when the system refuses the class.
class RefusedWindowClass {
public:
    RefusedWindowClass();
    bool ok() const { return patch_.ok(); }

private:
    ImportPatch patch_;
};
