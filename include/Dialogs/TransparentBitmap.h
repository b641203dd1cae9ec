// A static control that shows a bitmap resource with its white background
// in the system's button-shadow colour.
#pragma once

#include "DialogsExport.h"

#include <afxwin.h>

// Paints the bitmap unstretched into the client area's top-left corner and
// nothing else: the text, icon or frame of the item it is attached to never
// shows. The white connected to the picture's top-left pixel takes the
// button-shadow colour; white that other colours enclose stays white. The
// picture is drawn afresh for every paint, so a change of the system colours
// shows at the next one. It is drawn as the bitmap object draws it, whatever
// its header and row order; a picture that is missing, or whose header,
// colour table or bits do not fit inside its resource, paints nothing.
class DIALOGS_API CT_TransparentBitmap : public CStatic {
public:
    // Only the low 16 bits of the identifier name the resource.
    explicit CT_TransparentBitmap(UINT nBitmapID);
    ~CT_TransparentBitmap() override;

    // Takes effect at the next paint.
    void v_SetBitmapID(UINT nBitmapID);

protected:
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

    UINT n_BitmapID;
};
