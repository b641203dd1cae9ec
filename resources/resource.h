// Identifiers of the library's own resources.
#pragma once

#define IDC_LINKHAND 1006  // pointing hand of the hyperlink controls
#define IDB_LOGO     1007  // the maker's web-site banner, About dialog
#define IDB_TIPBULB  2006  // light bulb of the Tip of the Day dialog
