#pragma once

#include <memory>
#include <string>

class CGeneratorRandom;
class CItem;
class CProp;
struct ProposalShape;
struct RoadItem;

// The schedule of items of a generated proposal (sections, lump-sum, fixed-price, alternate,
// option and measured items; see ProposalShape) and the bid caps on some of its item numbers.
// Line numbers run in steps of 10 so that amendments can insert rows between them.
void AddSchedule(CProp& prop, const ProposalShape& shape, CGeneratorRandom& random);

// One item of the given kind under the given item number, with a quantity and a unit price in
// the kind's ranges: a lump sum is one "LS", a fixed-price item carries the agency's price.
std::unique_ptr<CItem> MakeScheduleItem(const RoadItem& kind, const std::string& itemNumber, CGeneratorRandom& random);

// A line number as the schedule writes it: at least four digits, zeros in front.
std::string ScheduleLineNumber(int number);
