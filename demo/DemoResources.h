// The demo host's own resources beside those of each dialog's demo.
#pragma once

// The splash picture shown while the host starts, 400 x 250 in 256 colours.
#define IDB_DEMO_SPLASH 210
