// Agency public key text as it arrives in a proposal's plate.
#include "platform/armor/PublicKeyArmor.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const PublicKeyArmor armor = ParsePublicKeyArmor(text);
    if (armor.status != ArmorStatus::Sound && !armor.packets.empty())
        std::abort(); // damaged armour must never hand out key bytes
    if (armor.status == ArmorStatus::Sound && armor.packets.size() > size)
        std::abort(); // base64 only shrinks
    return 0;
}
