#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The paper the system is set up for, found as libpaper finds it: the PAPERSIZE variable, else
// the file that PAPERCONF names, else /etc/papersize. A lower-case name such as "a4" or
// "letter"; empty when nothing is set.
std::string ConfiguredPaperName();

// The paper name a papersize file holds: its first word outside comments ('#' to the line's
// end), lower case; empty when there is none or it is not a plausible name.
std::string PaperNameIn(std::string_view text);

// The paper of the user's locale (LC_PAPER) in whole millimetres, width then height.
struct PaperMillimetres {
    int width = 0;
    int height = 0;
};
std::optional<PaperMillimetres> LocalePaper();

} // namespace platform
