// The transparent bitmap control over the whole and the broken pictures of
// the bitmap tests: a broken one (cut short, a table or bits past its end,
// a header of another form) is not handed to the system, whose reader would
// take the header's word and read past the resource; it paints nothing.
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
        for (unsigned id = DIB_FIRST_BROKEN; id <= DIB_LAST_BROKEN; ++id)
            EXPECT_EQ(painted(id), 0) << "picture " << id;
        leftovers.expectNone();
        control.UnsubclassWindow();
    }
}

} // namespace
