// The OpenPGP packets of a key file, as the import counts the keys they hold.
#include "platform/armor/OpenPgpPackets.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view packets(reinterpret_cast<const char*>(data), size);
    const std::size_t keys = KeyPacketCount(packets);
    if (keys > (size + 1) / 2)
        std::abort(); // every packet but a last one cut short takes two bytes at least
    if (size > 0 && KeyPacketCount(packets.substr(0, data[0] % size)) > keys)
        std::abort(); // a packet cut short ends the walk: what comes before is counted alike
    return 0;
}
