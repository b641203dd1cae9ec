// The framework's window-side classes. For now the command target, which the
// extension-DLL chain and (later) windows and dialogs derive from.
#pragma once

#include "afx.h"

// An object that can receive commands.
class AFX_CORE_CLASS CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget();
    ~CCmdTarget() override;
};
