#pragma once

class CProp;

// Runs Check Zod with its messages recorded and shows them when there are any. True only when
// the bid was checked (it has a bidder ID) and nothing was found.
bool ShowCheckZodErrors(CProp& prop);
