#include "platform/ui/window/PathText.h"
#include "platform/ui/window/WinText.h"

#include <gtest/gtest.h>

TEST(PathText, APathWithAccentedLettersReadsRightInAMessage)
{
    // The file system's UTF-8 bytes become program text, which the message box shows.
    const std::string folder = "/bids/Stra\xC3\x9F" "e/M\xC3\xBC" "nchen.tvb";
    const std::string shown = platform::PathForDisplay(folder);
    EXPECT_EQ(shown, "/bids/Stra\xDF" "e/M\xFC" "nchen.tvb");
    EXPECT_EQ(platform::ToQString("cannot open " + shown), QString::fromUtf8("cannot open /bids/Straße/München.tvb"));
    EXPECT_EQ(platform::PathForDisplay("/plain/bid.tvb"), "/plain/bid.tvb");
    // A name with no Windows-1252 form still reads as far as it can.
    EXPECT_EQ(platform::PathForDisplay("/bids/\xE4\xB8\xAD.tvb"), "/bids/?.tvb");
}
