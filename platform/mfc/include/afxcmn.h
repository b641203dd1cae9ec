// The framework's common controls: image lists, tooltips and the extended
// combo box. The common-control classes are initialised the first time a
// control of theirs is created through these classes.
#pragma once

#include "afxwin.h"

#include <commctrl.h>

class _AFX_CORE_CLASS CImageList : public CObject {
    DECLARE_DYNCREATE(CImageList)

public:
    HIMAGELIST m_hImageList;

    CImageList();
    // Destroys the list the object holds.
    ~CImageList() override;

    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const;

    // The object that holds hImageList or, when none does, a temporary one.
    static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
    static CImageList* PASCAL FromHandlePermanent(HIMAGELIST hImageList);
    static void PASCAL DeleteTempMap();

    // FALSE when the object holds a list already, for a null handle, and for
    // a list that another object holds.
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();

    // Pictures of cx by cy pixels (ILC_* flags), room for nInitial, growing
    // by nGrow. FALSE when the object holds a list already or it cannot be made.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    BOOL DeleteImageList();

    // The index of the first picture added, or -1. The bitmaps stay the caller's.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int GetImageCount() const;
};

class _AFX_CORE_CLASS CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)

public:
    CToolTipCtrl() = default;
    // Destroys the tooltip window.
    ~CToolTipCtrl() override;

    // A tooltip window owned by pParentWnd, with TTS_* styles dwStyle.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // A tool for pWnd: with nIDTool 0 the window itself is the tool;
    // otherwise the tool is lpRectTool (or pWnd's client area) of pWnd,
    // named nIDTool.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    // The tool's text (empty for an unknown tool).
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    int GetToolCount() const;
    // Passes a mouse message to the tooltip, which shows and hides the tip.
    void RelayEvent(LPMSG lpMsg);
};

class _AFX_CORE_CLASS CComboBoxEx : public CComboBox {
    DECLARE_DYNAMIC(CComboBoxEx)

public:
    CComboBoxEx() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The index of the new item, or -1.
    int InsertItem(const COMBOBOXEXITEM* pCBItem);
    // The list the control showed before, as a temporary object, or null.
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const;
    // The combo box inside the control, as a temporary object.
    CComboBox* GetComboBoxCtrl();
};

