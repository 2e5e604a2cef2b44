#pragma once

#include <cstddef>
#include <string_view>

// The keys that OpenPGP packets hold, counted by their primary key packets (public key or secret
// key) of any version: GnuPG passes over a key of a version it cannot read without counting it.
// The walk stops at the first byte that starts no packet; a key packet whose header or body runs
// past the end still counts, as a key the data set out to hold.
std::size_t KeyPacketCount(std::string_view packets);
