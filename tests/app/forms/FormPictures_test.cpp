// Every form of the sample as the bidder sees it, compared with its reference picture.
#include "tests/app/forms/FormsTestSupport.h"

struct FormPicture {
    const char* name;
    NodeRef node;
};

class FormPictures : public FormsTest, public ::testing::WithParamInterface<FormPicture> {};

TEST_P(FormPictures, LookAsTheirReferences)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_BOND, 0})); // away from the node shown at the start
    ASSERT_TRUE(Select(GetParam().node));
    EXPECT_TRUE(LooksAsReference(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Sample, FormPictures,
                         ::testing::Values(FormPicture{"misc", {NODE_MISC, 0}},
                                           FormPicture{"misc-affidavit", {NODE_MISC, 1}},
                                           FormPicture{"bond", {NODE_BOND, 0}},
                                           FormPicture{"dbe-firm", {NODE_DBE_FIRM, 1}},
                                           FormPicture{"dbe-list", {NODE_DBE_LIST, 0}},
                                           FormPicture{"proposal", {NODE_PROPOSAL, 0}}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::erase(name, '-');
                             return name;
                         });
