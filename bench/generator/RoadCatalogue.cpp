#include "bench/generator/RoadCatalogue.h"

namespace {

constexpr RoadItem kEarthwork[] = {
    {"202.01", "REMOVAL OF ASPHALT PAVEMENT", "SY", 500, 30000, 10, 3, 11},
    {"202.05", "REMOVAL OF CURB AND GUTTER", "LF", 100, 4000, 5, 6, 18},
    {"203.01", "EXCAVATION, UNCLASSIFIED", "CY", 500, 60000, 10, 4, 14},
    {"203.02", "EMBANKMENT IN PLACE", "CY", 1000, 40000, 10, 3, 9},
    {"203.05", "BORROW EXCAVATION", "CY", 500, 20000, 10, 6, 15},
    {"204.01", "TOPSOIL, FURNISH AND PLACE", "CY", 200, 6000, 5, 12, 30},
};

constexpr RoadItem kBaseCourse[] = {
    {"301.01", "AGGREGATE BASE COURSE, CLASS 5", "TON", 1000, 40000, 10, 12, 28},
    {"301.03", "AGGREGATE BASE COURSE, 6 IN.", "SY", 1000, 50000, 10, 6, 14},
    {"304.02", "CEMENT TREATED BASE, 8 IN.", "SY", 1000, 30000, 10, 18, 32},
    {"309.01", "SUBGRADE PREPARATION", "SY", 2000, 60000, 10, 1.5, 4},
};

constexpr RoadItem kAsphalt[] = {
    {"401.10", "HOT MIX ASPHALT, SUPERPAVE 12.5 MM", "TON", 500, 30000, 5, 65, 110},
    {"401.12", "HOT MIX ASPHALT, SUPERPAVE 19.0 MM", "TON", 500, 30000, 5, 60, 100},
    {"402.01", "ASPHALT BINDER PG 64-22", "TON", 50, 2000, 1, 550, 800},
    {"403.01", "TACK COAT", "GAL", 500, 15000, 10, 2, 5},
    {"404.01", "MILLING ASPHALT PAVEMENT, 2 IN.", "SY", 1000, 60000, 10, 2, 6},
    {"407.01", "CHIP SEAL COAT", "SY", 2000, 80000, 10, 2, 5},
};

constexpr RoadItem kConcrete[] = {
    {"501.01", "CONCRETE PAVEMENT, 9 IN.", "SY", 500, 20000, 5, 55, 95},
    {"601.02", "CONCRETE, CLASS AE (STRUCTURES)", "CY", 20, 900, 1, 600, 1200},
    {"602.01", "REINFORCING STEEL, EPOXY COATED", "LB", 2000, 90000, 10, 1, 2.5},
    {"608.01", "CONCRETE SIDEWALK, 4 IN.", "SY", 50, 3000, 1, 45, 90},
    {"609.02", "CURB AND GUTTER, TYPE B", "LF", 100, 6000, 5, 25, 55},
};

constexpr RoadItem kDrainage[] = {
    {"603.18", "REINFORCED CONCRETE PIPE, 18 IN.", "LF", 40, 2000, 2, 60, 120},
    {"603.24", "REINFORCED CONCRETE PIPE, 24 IN.", "LF", 40, 2000, 2, 75, 150},
    {"603.36", "REINFORCED CONCRETE PIPE, 36 IN.", "LF", 20, 1200, 2, 120, 240},
    {"604.01", "CATCH BASIN, TYPE C", "EA", 1, 30, 1, 2500, 6000},
    {"605.02", "UNDERDRAIN, 6 IN. PERFORATED", "LF", 100, 5000, 5, 12, 28},
    {"606.01", "RIPRAP, CLASS II", "TON", 20, 1500, 1, 45, 90},
};

constexpr RoadItem kGuardrail[] = {
    {"614.01", "GUARDRAIL, W-BEAM, STEEL POST", "LF", 200, 8000, 12.5, 18, 35},
    {"614.05", "GUARDRAIL END TERMINAL, TANGENT", "EA", 2, 24, 1, 2800, 4500},
    {"614.10", "REMOVE AND RESET GUARDRAIL", "LF", 100, 3000, 12.5, 8, 20},
    {"614.20", "MEDIAN CABLE BARRIER", "LF", 500, 12000, 10, 14, 26},
};

constexpr RoadItem kSigning[] = {
    {"620.01", "SIGN PANEL, TYPE IV SHEETING", "SF", 50, 1500, 1, 22, 45},
    {"620.05", "SIGN POST, GALVANIZED STEEL", "LF", 50, 2000, 1, 9, 18},
    {"620.10", "OVERHEAD SIGN STRUCTURE", "EA", 1, 3, 1, 45000, 90000},
    {"627.01", "PAVEMENT MARKING, EPOXY, 4 IN. WHITE", "LF", 2000, 80000, 10, 0.3, 1.2},
    {"627.02", "PAVEMENT MARKING, EPOXY, 4 IN. YELLOW", "LF", 2000, 80000, 10, 0.3, 1.2},
    {"627.10", "PREFORMED PAVEMENT MESSAGE", "EA", 2, 40, 1, 250, 600},
};

constexpr RoadItem kTrafficControl[] = {
    {"618.02", "CONSTRUCTION SIGNS", "SF", 100, 2500, 1, 4, 10},
    {"618.05", "PORTABLE CHANGEABLE MESSAGE SIGN", "DAY", 10, 200, 1, 40, 110},
    {"618.08", "FLAGGER", "HR", 100, 5000, 5, 30, 45},
    {"618.12", "TEMPORARY CONCRETE BARRIER", "LF", 200, 6000, 10, 15, 35},
};

constexpr RoadItem kErosionControl[] = {
    {"208.01", "SILT FENCE", "LF", 200, 12000, 10, 2, 5},
    {"208.05", "EROSION CONTROL BLANKET", "SY", 500, 20000, 10, 1.5, 4},
    {"210.01", "SEEDING, TYPE A", "ACRE", 1, 40, 0.1, 900, 2500},
    {"210.05", "MULCHING", "ACRE", 1, 40, 0.1, 400, 1100},
};

constexpr WorkGroup kWorkGroups[] = {
    {"EARTHWORK", kEarthwork},
    {"BASE COURSE", kBaseCourse},
    {"ASPHALT SURFACING", kAsphalt},
    {"CONCRETE AND STRUCTURES", kConcrete},
    {"DRAINAGE", kDrainage},
    {"GUARDRAIL", kGuardrail},
    {"SIGNING AND PAVEMENT MARKING", kSigning},
    {"TRAFFIC CONTROL", kTrafficControl},
    {"EROSION CONTROL", kErosionControl},
};

constexpr RoadItem kLumpSum[] = {
    {"101.01", "MOBILIZATION", "LS", 1, 1, 1, 50000, 400000},
    {"103.01", "CONSTRUCTION STAKING", "LS", 1, 1, 1, 15000, 90000},
    {"104.01", "CLEARING AND GRUBBING", "LS", 1, 1, 1, 8000, 60000},
    {"105.01", "FIELD OFFICE, TYPE B", "LS", 1, 1, 1, 12000, 40000},
    {"106.01", "TRAFFIC CONTROL", "LS", 1, 1, 1, 20000, 150000},
    {"107.01", "STORM WATER POLLUTION PREVENTION", "LS", 1, 1, 1, 5000, 30000},
};

// The agency fixes the price; the bidder only carries it.
constexpr RoadItem kFixedPrice[] = {
    {"109.01", "FORCE ACCOUNT WORK", "DOLL", 1, 1, 1, 50000, 50000},
    {"109.03", "FUEL PRICE ADJUSTMENT", "DOLL", 1, 1, 1, 30000, 30000},
    {"109.05", "ASPHALT BINDER PRICE ADJUSTMENT", "DOLL", 1, 1, 1, 25000, 25000},
    {"110.01", "ON-THE-JOB TRAINING", "HR", 500, 500, 1, 5, 5},
};

constexpr RoadItemPair kAlternates[] = {
    {{"401.20", "HOT MIX ASPHALT PAVEMENT, 6 IN.", "SY", 1000, 40000, 10, 28, 45},
     {"501.20", "CONCRETE PAVEMENT, 8 IN.", "SY", 1000, 40000, 10, 48, 80}},
    {{"603.30", "REINFORCED CONCRETE PIPE, 30 IN.", "LF", 40, 1500, 2, 95, 190},
     {"603.31", "CORRUGATED STEEL PIPE, 30 IN.", "LF", 40, 1500, 2, 70, 140}},
    {{"614.02", "GUARDRAIL, W-BEAM, WOOD POST", "LF", 200, 6000, 12.5, 17, 32},
     {"614.03", "GUARDRAIL, THRIE-BEAM, STEEL POST", "LF", 200, 6000, 12.5, 26, 45}},
    {{"627.20", "PAVEMENT MARKING, PAINT, 4 IN.", "LF", 2000, 80000, 10, 0.1, 0.4},
     {"627.21", "PAVEMENT MARKING, THERMOPLASTIC, 4 IN.", "LF", 2000, 80000, 10, 0.6, 1.6}},
};

constexpr RoadItemPair kOptions[] = {
    {{"210.10", "SODDING", "SY", 500, 12000, 10, 4, 9},
     {"210.11", "SEEDING AND MULCHING", "SY", 500, 12000, 10, 0.5, 1.5}},
    {{"618.20", "TEMPORARY TRAFFIC SIGNAL", "EA", 1, 4, 1, 18000, 45000},
     {"618.21", "FLAGGING, TWO-WAY TRAFFIC", "HR", 200, 4000, 5, 32, 48}},
    {{"634.01", "LED LUMINAIRE, 250 W EQUIVALENT", "EA", 4, 80, 1, 900, 1800},
     {"634.02", "HIGH PRESSURE SODIUM LUMINAIRE", "EA", 4, 80, 1, 600, 1200}},
};

constexpr CountyName kCounties[] = {
    {"001", "ADAMS"},    {"005", "BROWN"},    {"011", "CLAY"},       {"017", "DAWSON"},
    {"023", "FRANKLIN"}, {"031", "GARFIELD"}, {"041", "HAMILTON"},   {"047", "JEFFERSON"},
    {"055", "LINCOLN"},  {"063", "MADISON"},  {"071", "POLK"},       {"079", "RICHARDSON"},
};

constexpr const char* kDbeFirms[] = {
    "D0012 BLUESTEM TRUCKING LLC",      "D0027 PRAIRIE STRIPING INC",      "D0031 CORNERSTONE SURVEYING",
    "D0044 RIVERBEND EROSION CONTROL",  "D0058 MIDLAND TRAFFIC SAFETY",    "D0063 HIGH PLAINS SEEDING",
    "D0071 KESTREL CONCRETE FLATWORK",  "D0085 IRONWOOD GUARDRAIL CO",     "D0092 SANDHILL AGGREGATES",
    "D0104 NORTHSTAR ELECTRIC",         "D0117 CEDAR BLUFF HAULING",       "D0126 WILLOW CREEK LANDSCAPING",
};

constexpr const char* kMbeFirms[] = {
    "M0203 SUMMIT SIGN AND BARRICADE", "M0218 GRANITE RIDGE PAVING", "M0224 EAGLE PASS CONSTRUCTION",
    "M0239 REDTAIL UTILITY WORKS",
};

constexpr const char* kWbeFirms[] = {
    "W0301 MEADOWLARK ENGINEERING", "W0312 SILVER SAGE SUPPLY", "W0325 LAUREL TRAFFIC CONTROL",
    "W0338 HERON LANDSCAPE SERVICES",
};

constexpr const char* kWorkTypes[] = {
    "TRUCKING",        "GUARDRAIL",  "PAVEMENT MARKING", "SEEDING AND EROSION CONTROL",
    "TRAFFIC CONTROL", "CONCRETE FLATWORK", "SURVEYING", "ELECTRICAL", "MATERIAL SUPPLY",
};

constexpr const char* kParticipationTypes[] = {"Subcontractor", "Supplier", "Manufacturer", "Trucking"};

constexpr const char* kSureties[] = {
    "PRAIRIE MUTUAL SURETY CO", "GREAT RIVER BONDING COMPANY", "HEARTLAND CASUALTY AND SURETY",
    "CONTINENTAL DIVIDE INDEMNITY",
};

constexpr const char* kAsphaltPlants[] = {
    "CEDAR BLUFF ASPHALT, PLANT 2, HARLAN CO",      "MEADOWLARK MATERIALS, PLANT 7, STORY CO",
    "NORTH FORK PAVING SUPPLY, PLANT 1, OSAGE CO",  "RIDGELINE PAVING, PORTABLE PLANT 4",
    "TWIN RIVERS HOT MIX, PLANT 3, MARION CO",
};

constexpr const char* kSignerTitles[] = {"President", "Vice President", "Secretary", "Treasurer", "Owner",
                                         "Chief Estimator"};

} // namespace

std::span<const WorkGroup> RoadWorkGroups() { return kWorkGroups; }
std::span<const RoadItem> LumpSumRoadItems() { return kLumpSum; }
std::span<const RoadItem> FixedPriceRoadItems() { return kFixedPrice; }
std::span<const RoadItemPair> AlternateRoadItems() { return kAlternates; }
std::span<const RoadItemPair> OptionRoadItems() { return kOptions; }
std::span<const CountyName> CountyNames() { return kCounties; }
std::span<const char* const> DbeFirmEntries() { return kDbeFirms; }
std::span<const char* const> MbeFirmEntries() { return kMbeFirms; }
std::span<const char* const> WbeFirmEntries() { return kWbeFirms; }
std::span<const char* const> FirmWorkTypes() { return kWorkTypes; }
std::span<const char* const> FirmParticipationTypes() { return kParticipationTypes; }
std::span<const char* const> SuretyNames() { return kSureties; }
std::span<const char* const> AsphaltPlants() { return kAsphaltPlants; }
std::span<const char* const> SignerTitles() { return kSignerTitles; }
