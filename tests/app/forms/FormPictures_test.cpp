// Every form of the sample as the bidder sees it, compared with its reference picture.
#include "tests/app/forms/FormsTestSupport.h"

TEST_F(FormsTest, TheFirstMiscellaneousFormLooksAsItsReference)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_MISC, 0}));
    EXPECT_TRUE(LooksAsReference("misc"));
}

TEST_F(FormsTest, TheSecondMiscellaneousFormLooksAsItsReference)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_MISC, 1}));
    EXPECT_TRUE(LooksAsReference("misc-affidavit"));
}
