#pragma once

#include <string>

// The agency's public key as the plate "Agency Public Key" carries it: a real OpenPGP key
// (Ed25519 for signing with a Curve25519 subkey for encryption, user ID "Department of
// Transportation Bid Key <bids@dot.example.gov>", made 1 January 2024, never expiring) in ASCII
// armour, so that opening a generated proposal imports it into the bidder's key rings. It was
// made once with GnuPG and is kept here; its secret key was not kept.
const std::string& AgencyKeyBlock();
