#pragma once

// Printing the lists of the shell's dialogs (amendment changes, Check Zod errors): the user picks
// a printer and the line printer lays the text out on it.
#include <functional>

class CProp;

// The lines that say which bid a printed list belongs to: bidder, contract, letting, its date
// and the call order. Nothing without a proposal.
void PrintProposalHeading(const CProp* proposal);

// Asks for a printer and runs `print`, whose text goes through the line printer to that printer.
// False when the user cancelled, or when no page reached the printer (the user is told).
bool PrintOnChosenPrinter(const std::function<void()>& print);
