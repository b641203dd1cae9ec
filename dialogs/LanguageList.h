// The list of the language chooser: which languages it offers, in which
// order, with which texts and pictures.
#pragma once

#include <afxcmn.h>

// Whether a language identifier may be offered; nonzero: yes.
typedef int (*pf_LanguageAvailable)(unsigned int n_Language);

// Appends to the extended combo box every language of the language table
// that pf_Available lets through and the system has a locale for, in table
// order; with pco_Flags each entry gets its own copy of the language's flag
// in that image list. Then selects the entry of n_Current, else the first
// entry whose text is that of n_Current, else nothing.
void v_FillLanguageList(CComboBoxEx* pco_List, CImageList* pco_Flags, unsigned int n_Current,
                        pf_LanguageAvailable pf_Available, int b_ShowSubLanguage);
