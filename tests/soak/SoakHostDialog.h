// A host's own dialog made of the library's controls: two pictures drawn by
// CT_BigBitmap objects, a plain link over one of them and one on a text
// item, and a text link.
#pragma once

#include <Dialogs/Dialogs.h>

class SoakHostDialog : public CDialog {
public:
    SoakHostDialog();
    ~SoakHostDialog() override;

    // Both pictures were read and are drawn at their natural sizes.
    bool picturesHeld() const;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CT_BigBitmap* picture(int item, HINSTANCE module, unsigned bitmap);

    CT_HttpLink pictureLink_;
    CT_HttpLink plainLink_;
    CT_TextHttpLink textLink_;
    CT_BigBitmap* product_ = nullptr;
    CT_BigBitmap* logo_ = nullptr;
};
