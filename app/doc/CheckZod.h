#pragma once

class CProp;

// Runs Check Zod with its messages recorded and shows them when there are any; their count.
int ShowCheckZodErrors(CProp& prop);
