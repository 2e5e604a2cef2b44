#include "model/records/DefaultTemplates.h"

namespace {

std::string Blanks(std::size_t n)
{
    return std::string(n, ' ');
}

std::string Dashes(std::size_t n)
{
    return std::string(n, '-');
}

std::vector<std::pair<std::string, std::string>> BuildTemplates()
{
    const std::string rule = Dashes(79);
    return {
        {"Report Simple Footer",
         "{DROP}" + Dashes(80) + "\n" + Blanks(72) + "Page {PAGE_NUMBER}" + "\f\r\\"},
        {"Report Quote Proposal Tail",
         " Zod Total" + Blanks(55) + "{PROPOSAL_TOTAL}\n" + rule},
        {"Report Quote Section Head",
         Blanks(25) + "Section {SECTION_NUMBER}" + Blanks(4) + "Alt Group {SECTION_ALTERNATE_CODE}\n" +
             Blanks(4) + "{SECTION_DESCRIPTION,SIZE=70,REPEAT,JUSTIFY=CENTER}\n" + rule},
        {"Report Quote Section Tail",
         " Section {SECTION_NUMBER} Total" + Blanks(46) + "{SECTION_TOTAL}\n" + rule},
        {"Report Quote Item",
         "{ITEM_LINE_NUMBER}" + Blanks(3) + "{ITEM_NUMBER,SIZE=13}" + Blanks(1) + "{ITEM_QUANTITY}" +
             Blanks(3) + "{ITEM_UNIT}" + Blanks(3) + "{ITEM_UNIT_PRICE}" + Blanks(3) +
             "{ITEM_EXTENSION}\n" + "{ITEM_ALTERNATE_CODE}" + Blanks(2) +
             "{ITEM_LONG_DESCRIPTION,SIZE=70,REPEAT}\n" + rule},
        {"Report Quote List Labels",
         "LINE" + Blanks(2) + "ITEM NUMBER" + Blanks(11) + "QUANTITY" + Blanks(3) + "UNIT" + Blanks(9) +
             "UNIT PRICE" + Blanks(8) + "EXTENSION\n" + "ALT" + Blanks(2) + "DESCRIPTION\n" + rule},
    };
}

} // namespace

const std::vector<std::pair<std::string, std::string>>& DefaultReportTemplates()
{
    static const auto templates = BuildTemplates();
    return templates;
}
