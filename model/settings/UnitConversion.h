#pragma once

#include <string>

class CItem;
class CProp;

// The unit an item is shown in under alternate-unit display, with the factor from its stored
// unit (shown quantity = stored quantity x factor, shown price = stored price / factor): the
// first row whose unit is the item's (ignoring case) gives its alternate unit and factor, else
// the first row whose alternate unit is the item's gives its unit and 1 / factor, else the item's
// own unit with 1. Rows whose factor is 0 or invalid convert nothing and are passed over, so a
// value is never shown divided by them.
std::string FindUnitConversion(const CItem* item, double& factor);

// A typed unit price as it is stored: converted back from the shown unit, then rounded to the
// decimals and "not entered" when it is 0 or negative and the proposal does not allow that (as
// CProp::NormalizedUnitPrice makes every price).
// The invalid value, or no item, gives the value unchanged.
double StoreItemPrice(const CProp& prop, const CItem* item, double value, int decimals);
// A typed quantity as it is stored: converted back and rounded; zero and negative stay.
double StoreItemQuantity(const CProp& prop, const CItem* item, double value, int decimals);
