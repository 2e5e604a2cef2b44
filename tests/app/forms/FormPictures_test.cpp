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

TEST_F(FormsTest, TheBondFormLooksAsItsReference)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_BOND, 0}));
    EXPECT_TRUE(LooksAsReference("bond"));
}

TEST_F(FormsTest, AFirmFormLooksAsItsReference)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_DBE_FIRM, 1}));
    EXPECT_TRUE(LooksAsReference("dbe-firm"));
}

TEST_F(FormsTest, TheFirmListLooksAsItsReference)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_DBE_LIST, 0}));
    EXPECT_TRUE(LooksAsReference("dbe-list"));
}

TEST_F(FormsTest, TheProposalViewLooksAsItsReference)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_PROPOSAL, 0}));
    EXPECT_TRUE(LooksAsReference("proposal"));
}
