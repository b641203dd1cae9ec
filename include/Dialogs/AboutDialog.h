// The About box of the host applications.
#pragma once

#include "DialogsExport.h"
#include "HttpLink.h"
#include "LexorinBasis.h"
#include "LexorinInterface.h"

#include <afxwin.h>

class CT_BigBitmap;

// Shows the host's product picture and the maker's banner, each a link (to
// the host's product page and to the maker's site), a caption, two texts and
// a version line. Texts and pictures come from the modules the host names;
// the template from the library's current language module.
class DIALOGS_API CT_AboutDialog : public CDialog, public CT_Dialog {
public:
    // Filled by the host, which keeps it alive and unchanged while the
    // dialog runs; the dialog only reads it.
    struct DIALOGS_API st_Parameters {
        st_Parameters();
        ~st_Parameters();
        st_Parameters& operator=(const st_Parameters& other);

        CT_UString co_Version;         // goes into the version line
        CT_UString co_WebAddress;      // product page; empty: string 10011
        unsigned n_Build;              // goes into the version line after the version
        HINSTANCE h_Instance;          // holds the product pictures
        HINSTANCE h_ResourceInstance;  // holds strings 10007, 10010, 10011, 10012
        unsigned n_Bitmap16Colors;     // product picture on a 16-colour display
        unsigned n_Bitmap;             // product picture on any other display
    };

    // Shows the box, modal, with no parent. TRUE only when it was closed with
    // OK; FALSE for a null record or a template that cannot be loaded.
    static BOOL sb_Show(const st_Parameters* pcso_Parameters);

    CT_AboutDialog(const st_Parameters* pcso_Parameters, CWnd* pParent);
    ~CT_AboutDialog() override;

    // FALSE when a picture item cannot be made a link.
    BOOL OnInitDialog() override;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    const st_Parameters* pcso_Parameters;
    CT_LogicalFont* pco_SmallFont;      // hired for item 1012, or null
    CT_HttpLink co_ProductLink;         // on item 1014
    CT_HttpLink co_MakerLink;           // on item 1013
    CT_BigBitmap* pco_ProductBitmap;    // owned, or null
    CT_BigBitmap* pco_MakerBitmap;      // owned, or null

private:
    // A picture drawn at the top-left corner of item nIDItem; null when the
    // item or the memory is missing.
    CT_BigBitmap* pco_CreatePicture(int nIDItem, HINSTANCE hInstance, unsigned nIDBitmap);
    unsigned n_ProductBitmap();
    void v_SetTexts();
    void v_SetSmallPrintFont();
};
