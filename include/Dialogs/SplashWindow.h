// The picture a host application shows while it starts.
#pragma once

#include "BigBitmap.h"

// A borderless, topmost window of its picture's size, centred on the screen,
// with up to ten lines of text drawn over the picture (the picture fills the
// window from its top-left corner). It stays up for a minimum time unless it
// is killed or the user presses a key or a mouse button; it deletes itself
// when its window is destroyed. At most one exists at a time.
//
// Everything runs on the host's user-interface thread, whose message loop
// must dispatch thread messages: the minimum time is a thread timer.
class DIALOGS_API CT_SplashWindow : public CT_BigBitmap {
public:
    struct DIALOGS_API st_Text {
        int i_X;   // top-left corner of the text, in client pixels
        int i_Y;
        CT_UString co_Text;
    };

    // A constant, not a variable: the library exports no storage for it, and a
    // host may bind it to a reference (std::min, a test's comparison).
    enum : unsigned { sn_MaxTexts = 10 };

    struct DIALOGS_API st_Parameters {
        HINSTANCE h_Instance;   // module holding the picture
        unsigned n_Seconds;     // minimum time up
        unsigned n_Bitmap;      // bitmap resource (low 16 bits)
        unsigned n_TextCount;   // entries of aso_Text in use, from the first (ten at most)
        st_Text aso_Text[sn_MaxTexts];

        st_Parameters();
        // Copies the other record's first n_TextCount texts (ten at most);
        // a null record gives the default one.
        explicit st_Parameters(st_Parameters* pso_Other);
        // Copies and assignment take every member of all ten entries.
        st_Parameters(const st_Parameters& so_Other) = default;
        st_Parameters& operator=(const st_Parameters& so_Other);
        ~st_Parameters();
    };

    // Shows a splash described by the record, which is copied. Nothing is
    // shown for a null record, when the window cannot be made, or while a
    // splash is up already (that one is left as it is).
    static void sv_Show(st_Parameters* pso_Parameters);
    // The host is ready: the splash closes now, or once its minimum time is over.
    static void sv_Hide();
    // Closes the splash now.
    static void sv_Kill();
    static BOOL sb_Active();
    // A key press or mouse-button press closes the splash now and is
    // reported as handled (TRUE): the host should not dispatch it. FALSE for
    // every other message, and whenever no splash is up.
    static BOOL sb_PreTranslateAppMessage(MSG* pMsg);

    // The minimum-time timer's procedure; its arguments are not needed.
    static void CALLBACK sv_TimerProcedure(HWND, UINT, UINT_PTR, DWORD);

    explicit CT_SplashWindow(st_Parameters* pso_Parameters);
    ~CT_SplashWindow() override;

    // Destroys the window only once it may close; until then the request
    // is kept and FALSE returned.
    BOOL DestroyWindow() override;

protected:
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

    st_Parameters so_Parameters;

private:
    void v_DrawTexts(CDC& dc);
};
