// Resources of the bitmap tests' own.
#pragma once

#define IDB_NEAR_WHITE_CORNER 3001
