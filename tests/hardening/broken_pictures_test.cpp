// The transparent bitmap control over the whole and the broken pictures of
// the bitmap tests: a broken one (cut short, a table, profile or bits past
// its end, a form the system does not draw) is not handed to the system,
// whose reader would take the header's word and read past the resource; it
// paints nothing.
#include "DibTestSupport.h"
#include "HardeningSupport.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>

namespace {

TEST(BrokenPictures, TheTransparentBitmapControlPaintsOnlyWholePictures)
{
    PictureModule pictures;
    ASSERT_TRUE(pictures.handle());
    PictureHost host(pictures.handle(), 140, 80);
    ASSERT_NE(host.item(), nullptr);
    {
        CT_TransparentBitmap control(0);
        ASSERT_TRUE(control.SubclassWindow(host.item()));
        Leftovers leftovers;
        auto painted = [&](unsigned id) {
            control.v_SetBitmapID(id);
            host.repaint();
            return host.painted();
        };
        for (unsigned id = DIB_FIRST_WHOLE; id <= DIB_LAST_WHOLE; ++id)
            EXPECT_GT(painted(id), 0) << "picture " << id;
        // Rows stored top-down and longer headers, the right way up.
        for (unsigned id : {DIB_QUAD8_TOP_DOWN, DIB_QUAD8_V5, DIB_QUAD16_V3}) {
            painted(id);
            const POINT corners[4] = {{0, 0}, {7, 0}, {0, 5}, {7, 5}};
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(host.at(corners[i].x, corners[i].y), kQuadColours[i]) << "picture " << id;
        }
        for (unsigned id = DIB_FIRST_BROKEN; id <= DIB_LAST_BROKEN; ++id)
            EXPECT_EQ(painted(id), 0) << "picture " << id;
        leftovers.expectNone();
        control.UnsubclassWindow();
    }
}

} // namespace
