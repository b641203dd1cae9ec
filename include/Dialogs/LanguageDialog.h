// The chooser of the user-interface language.
#pragma once

#include "DialogsExport.h"

#include <afxcmn.h>

// Offers the languages that the user interface can be shown in and hands the
// chosen one back; the host switches to it itself. A language is offered when
// the UI-language manager has modules for it, the system has its locale (the
// product's own languages need none) and the host's filter, if any, lets it
// through. Japanese (Japan) is offered only on a system whose default font is
// a Shift-JIS font.
class DIALOGS_API CT_LanguageDialog : public CDialog {
public:
    // Decides whether a language may be offered: nonzero lets it through.
    typedef int (*pf_LangFilterProc)(unsigned int n_Language);

    // Shows the dialog with *pn_Language preselected. TRUE when the user
    // confirmed: *pn_Language then holds the chosen language, or keeps the
    // current one when nothing was chosen. FALSE, with *pn_Language
    // untouched, on Cancel, when the dialog could not be shown, and for a
    // null pointer.
    static int sb_Show(unsigned int* pn_Language, int b_ShowSubLanguage, int b_ShowFlags);

    // The filter applies to every later showing until it is replaced; null
    // removes it. Set it from the thread that shows the dialog.
    static void sv_SetLangFilterProc(pf_LangFilterProc pf_Filter);

protected:
    explicit CT_LanguageDialog(CWnd* pParentWnd = nullptr);
    ~CT_LanguageDialog() override;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

    CComboBoxEx co_LanguageList;
    unsigned int n_Language;      // in: current; out: chosen
    int b_ShowFlags;
    int b_ShowSubLanguage;
    CImageList co_Flags;          // made only when flags are shown

private:
    CT_LanguageDialog(const CT_LanguageDialog&) = delete;
    CT_LanguageDialog& operator=(const CT_LanguageDialog&) = delete;
};
