// A digital ID file as the bidder picks it in the Digital IDs dialog, read by GnuPG into key rings
// of the target's own. Nothing may hang or ask for a passphrase: every input comes back as an
// answer, a file whose armour is damaged leaves the key rings as they were, and a failure names
// the keys it let in.
#include "submit/Crypto.h"
#include "submit/KeyFileArmor.h"

#include "fuzz/support/ScratchFolder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The user's data and shared folders, HOME and GNUPGHOME in the scratch folder: nothing reaches
// the real user's keys. The key rings close (their agent stopped) before the folder goes at exit.
CCrypto& KeyRings()
{
    static const std::string folder = FuzzScratchFolder("key_import");
    static const bool placed = [] {
        for (const char* name : {"XDG_DATA_HOME", "ZOD_COMMON_DATA", "HOME", "GNUPGHOME"})
            setenv(name, (folder + "/" + name).c_str(), 1);
        return true;
    }();
    static CCrypto crypto(0);
    (void)placed;
    if (crypto.GetError() != 0)
        std::abort(); // no input is to blame
    return crypto;
}

std::vector<std::string> Listed(CCrypto& crypto)
{
    std::vector<std::string> identities;
    if (crypto.ListKeysById("", identities) != 0)
        std::abort();
    return identities;
}

// The identities listed after that were not listed before, in their order.
std::vector<std::string> Added(std::vector<std::string> before, const std::vector<std::string>& after)
{
    std::vector<std::string> added;
    for (const std::string& identity : after) {
        const auto known = std::find(before.begin(), before.end(), identity);
        if (known == before.end())
            added.push_back(identity);
        else
            before.erase(known);
    }
    return added;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CCrypto& crypto = KeyRings();
    static const std::string input = std::string(FuzzScratchFolder("key_import")) + "/input.asc";
    WriteFuzzInput(input.c_str(), data, size);
    std::string packets;
    const int damage = KeyPacketsOfFile(std::string_view(reinterpret_cast<const char*>(data), size), packets);
    const std::vector<std::string> before = Listed(crypto);
    const int result = crypto.ImportKeyFile(input, 0, 0, 0);
    if (result != crypto.GetError() || result > 0)
        std::abort(); // the answer is stored, and is the toolkit's: the key rings are open
    const std::vector<std::string> after = Listed(crypto);
    if (damage && (result != damage || after != before))
        std::abort(); // damaged armour is refused before GnuPG reads any of it
    if (result != 0 && crypto.KeysImportedBeforeFailure() != Added(before, after))
        std::abort(); // a failure names every key it left in the key rings, and only those
    crypto.ClearError();
    return 0;
}
