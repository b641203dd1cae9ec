// The control classes on real controls: check boxes, combo boxes, the
// extended combo box with its image list, image lists, and tooltips.
#include "WndTestSupport.h"

#include <afxcmn.h>

#include <gtest/gtest.h>

#include <string>
#include <afxdiag.h>

namespace {

const CRect kControlRect(10, 10, 160, 120);

class Controls : public ::testing::Test {
protected:
    void SetUp() override
    {
        pParent = CWnd::FromHandle(parent.handle());
        ASSERT_NE(pParent, nullptr);
    }
    void TearDown() override
    {
        CWnd::DeleteTempMap();
        CImageList::DeleteTempMap();
    }

    PlainWindow parent;
    CWnd* pParent = nullptr;
};

TEST_F(Controls, AComboBoxFindsSelectsAndKeepsItemData)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST | WS_VSCROLL | WS_VISIBLE, kControlRect, pParent, 3));
    EXPECT_EQ(combo.AddString(L"Red"), 0);
    EXPECT_EQ(combo.AddString(L"Green"), 1);
    EXPECT_EQ(combo.AddString(L"Green Light"), 2);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_NE(combo.SetItemData(2, 0x411), CB_ERR);
    EXPECT_EQ(combo.GetItemData(2), 0x411u);

    EXPECT_EQ(combo.FindStringExact(-1, L"green"), 1) << "the whole text, case ignored";
    EXPECT_EQ(combo.FindStringExact(-1, L"Gree"), CB_ERR);
    EXPECT_EQ(combo.FindStringExact(-1, nullptr), CB_ERR);

    CString text;
    combo.GetLBText(2, text);
    EXPECT_STREQ(text, L"Green Light");
    combo.GetLBText(7, text);
    EXPECT_TRUE(text.IsEmpty());
}

TEST_F(Controls, AnImageListOwnsItsListAndTakesBitmaps)
{
    CImageList list;
    ASSERT_TRUE(list.Create(23, 14, ILC_COLOR4, 0, 1));
    EXPECT_FALSE(list.Create(23, 14, ILC_COLOR4, 0, 1)) << "one list per object";
    EXPECT_EQ(CImageList::FromHandlePermanent(list.m_hImageList), &list);

    CBitmap flag;
    ASSERT_TRUE(flag.CreateBitmap(23, 14, 1, 4, nullptr));
    EXPECT_EQ(list.Add(&flag, nullptr), 0);
    EXPECT_EQ(list.Add(&flag, &flag), 1);
    EXPECT_EQ(list.Add(nullptr, nullptr), -1);
    EXPECT_EQ(list.GetImageCount(), 2);
    EXPECT_TRUE(flag.m_hObject) << "the bitmap stays the caller's";

    // A list with an object needs no temporary one.
    HIMAGELIST hList = list.GetSafeHandle();
    CImageList::DeleteTempMap();
    EXPECT_EQ(CImageList::FromHandle(hList), &list);
    EXPECT_EQ(AfxDiagGetTempImageListCount(), 0);

    HIMAGELIST hDetached = list.Detach();
    EXPECT_EQ(hDetached, hList);
    EXPECT_EQ(list.m_hImageList, nullptr);
    EXPECT_EQ(list.GetImageCount(), 0);
    EXPECT_EQ(list.Add(&flag, nullptr), -1);
    CImageList* pTemp = CImageList::FromHandle(hDetached);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_NE(pTemp, &list);
    EXPECT_EQ(AfxDiagGetTempImageListCount(), 1);
    CImageList::DeleteTempMap();
    EXPECT_EQ(ImageList_GetImageCount(hDetached), 2) << "deleting a temporary object leaves the list";

    CImageList owner;
    ASSERT_TRUE(owner.Attach(hDetached));
    EXPECT_FALSE(list.Attach(hDetached)) << "one object per list";
    EXPECT_TRUE(owner.DeleteImageList());
    EXPECT_EQ(owner.m_hImageList, nullptr);
    EXPECT_FALSE(owner.DeleteImageList());
    EXPECT_FALSE(owner.Attach(nullptr));
}

TEST_F(Controls, AnExtendedComboBoxTakesItemsAndAnImageList)
{
    CComboBoxEx combo;
    ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST | WS_VISIBLE, kControlRect, pParent, 4));
    CImageList flags;
    ASSERT_TRUE(flags.Create(23, 14, ILC_COLOR4, 0, 1));
    EXPECT_EQ(combo.SetImageList(&flags), nullptr);
    EXPECT_EQ(combo.GetImageList(), &flags);

    const wchar_t* const names[] = {L"English", L"Deutsch"};
    for (int i = 0; i < 2; ++i) {
        COMBOBOXEXITEMW item = {};
        item.mask = CBEIF_TEXT | CBEIF_LPARAM;
        item.iItem = -1;
        item.pszText = const_cast<LPWSTR>(names[i]);
        item.lParam = 0x409 + i;
        EXPECT_EQ(combo.InsertItem(&item), i);
    }
    EXPECT_EQ(combo.InsertItem(nullptr), -1);
    EXPECT_EQ(combo.GetCount(), 2);
    EXPECT_EQ(combo.GetItemData(1), 0x40Au);
    EXPECT_EQ(combo.FindStringExact(-1, L"deutsch"), 1);
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(combo.GetCurSel(), 1);

    CComboBox* pInner = combo.GetComboBoxCtrl();
    ASSERT_NE(pInner, nullptr);
    EXPECT_EQ(GetParent(pInner->m_hWnd), combo.m_hWnd);
    EXPECT_EQ(pInner->GetCount(), 2);

    CImageList* pPrevious = combo.SetImageList(nullptr);
    ASSERT_NE(pPrevious, nullptr);
    EXPECT_EQ(pPrevious->m_hImageList, flags.m_hImageList);
}

class ToolTips : public Controls {
protected:
    void SetUp() override
    {
        Controls::SetUp();
        ASSERT_TRUE(link.Create(L"Link", SS_NOTIFY | WS_VISIBLE, kControlRect, pParent, 5));
        ASSERT_TRUE(tip.Create(&link));
    }

    RECT toolRect(UINT_PTR nID)
    {
        wchar_t text[1100] = {};
        TOOLINFOW info = {};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.hwnd = link.m_hWnd;
        info.uId = nID;
        info.lpszText = text;
        tip.SendMessage(TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
        return info.rect;
    }

    CStatic link;
    CToolTipCtrl tip;
};

TEST_F(ToolTips, ToolsAreAddedRenamedAndMoved)
{
    EXPECT_EQ(GetWindow(tip.m_hWnd, GW_OWNER), parent.handle());
    EXPECT_EQ(tip.GetToolCount(), 0);
    const CRect area(0, 0, 150, 110);
    ASSERT_TRUE(tip.AddTool(&link, L"http://example.invalid/", &area, 1));
    EXPECT_EQ(tip.GetToolCount(), 1);
    CString text;
    tip.GetText(text, &link, 1);
    EXPECT_STREQ(text, L"http://example.invalid/");
    EXPECT_EQ(CRect(toolRect(1)), area);

    tip.UpdateTipText(L"Renamed", &link, 1);
    tip.GetText(text, &link, 1);
    EXPECT_STREQ(text, L"Renamed");
    tip.SetToolRect(&link, 1, CRect(0, 0, 40, 20));
    EXPECT_EQ(CRect(toolRect(1)), CRect(0, 0, 40, 20));

    MSG msg = {link.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), GetTickCount(), {0, 0}};
    tip.RelayEvent(&msg);
    tip.RelayEvent(nullptr);
    tip.DelTool(&link, 1);
    EXPECT_EQ(tip.GetToolCount(), 0);
}

TEST_F(ToolTips, ALongTipIsCutWhenReadBack)
{
    const std::wstring longText(3000, L'x');
    ASSERT_TRUE(tip.AddTool(&link, longText.c_str(), nullptr, 2));
    CString text;
    tip.GetText(text, &link, 2);
    EXPECT_LE(text.GetLength(), 1024);
    EXPECT_EQ(std::wstring(text.GetString()), longText.substr(0, text.GetLength()));
}

TEST_F(ToolTips, BadToolsAreRefusedAndTheWindowGoesWithTheObject)
{
    CWnd noWindow;
    EXPECT_FALSE(tip.AddTool(nullptr, L"Tip"));
    EXPECT_FALSE(tip.AddTool(&noWindow, L"Tip"));
    tip.UpdateTipText(L"Tip", nullptr, 1);
    tip.SetToolRect(&link, 1, nullptr);
    EXPECT_EQ(tip.GetToolCount(), 0);

    HWND hTip = nullptr;
    {
        CToolTipCtrl other;
        ASSERT_TRUE(other.Create(&link, TTS_ALWAYSTIP));
        hTip = other.m_hWnd;
        EXPECT_TRUE(IsWindow(hTip));
    }
    EXPECT_FALSE(IsWindow(hTip));
}

} // namespace
