// Resources of the About box tests: the test program's own pictures and
// texts, and the texts of the modules built beside it.
#ifndef ABOUT_TEST_IDS_H
#define ABOUT_TEST_IDS_H

#define IDB_TEST_PRODUCT16   201
#define IDB_TEST_PRODUCT256  202

#define IDS_TEST_SMALL_PRINT  10006
#define IDS_TEST_VERSION      10007
#define IDS_TEST_CAPTION      10010
#define IDS_TEST_PRODUCT_PAGE 10011
#define IDS_TEST_TEXT         10012

#endif
