// The test dialog of the link controls and its items.
#ifndef LINK_TEST_IDS_H
#define LINK_TEST_IDS_H

#define IDD_LINK_TEST      100
#define IDC_LEFT_LINK      1101   // SS_LEFT | SS_NOTIFY
#define IDC_SILENT_LINK    1102   // SS_LEFT, no SS_NOTIFY
#define IDC_CENTRE_LINK    1103   // SS_CENTER | SS_NOTIFY
#define IDC_RIGHT_LINK     1104   // SS_RIGHT | SS_NOTIFY
#define IDC_NOPREFIX_LINK  1105   // SS_LEFT | SS_NOPREFIX | SS_NOTIFY
#define IDC_FRAMED_LINK    1106   // SS_LEFT | SS_NOTIFY | WS_BORDER

#endif
