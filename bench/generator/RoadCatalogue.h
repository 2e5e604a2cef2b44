#pragma once

#include <span>

// What a road letting is made of: the pay items of a highway agency's item book grouped by
// the kind of work, with their units, plausible quantities and going unit prices, and the names
// (counties, certified firms, sureties, work types) the agency's forms and pick lists offer. All
// names of places and firms are made up.

struct RoadItem {
    const char* m_code;      // item number stem, e.g. "203.01"
    const char* m_shortDesc; // as the schedule of items shows it (at most 40 characters)
    const char* m_unit;
    double m_quantityLow;
    double m_quantityHigh;
    double m_quantityStep;   // quantities are multiples of it
    double m_priceLow;       // a fixed-price item's price is m_priceLow
    double m_priceHigh;
};

// A pair of items of which the bidder prices one: alternates (the agency lets either be built)
// or options (the agency may order the second instead of the first).
struct RoadItemPair {
    RoadItem m_first;
    RoadItem m_second;
};

// One section of the schedule: its title and the items that belong under it.
struct WorkGroup {
    const char* m_title;
    std::span<const RoadItem> m_items;
};

struct CountyName {
    const char* m_id;
    const char* m_name;
};

std::span<const WorkGroup> RoadWorkGroups();
std::span<const RoadItem> LumpSumRoadItems();
std::span<const RoadItem> FixedPriceRoadItems();
std::span<const RoadItemPair> AlternateRoadItems();
std::span<const RoadItemPair> OptionRoadItems();

std::span<const CountyName> CountyNames();
// Certified firms as the agency lists them: a five-character firm ID, a blank and the name.
std::span<const char* const> DbeFirmEntries();
std::span<const char* const> MbeFirmEntries();
std::span<const char* const> WbeFirmEntries();
std::span<const char* const> FirmWorkTypes();
std::span<const char* const> FirmParticipationTypes();
std::span<const char* const> SuretyNames();
// The asphalt plants approved for a letting, and the titles of a firm's officers who may sign.
std::span<const char* const> AsphaltPlants();
std::span<const char* const> SignerTitles();
