// zod_generate: writes a generated letting as the agency publishes it, a proposal file NAME.tvb
// with its amendment files NAME.001 and NAME.002, and on request a library NAME.tvl of several
// proposals. The same options always give the same bytes.
#include "bench/generator/ProposalFiles.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

struct Options {
    ProposalShape m_shape;
    int m_seed = 1;
    int m_libraryProposals = 0;
    std::string m_base;
};

struct NumberOption {
    std::string_view m_name;
    int Options::*m_field = nullptr;
    int ProposalShape::*m_shapeField = nullptr;
    int m_minimum;
};

constexpr NumberOption kNumberOptions[] = {
    {"--seed", &Options::m_seed, nullptr, 0},
    {"--items", nullptr, &ProposalShape::m_items, 0},
    {"--items-per-section", nullptr, &ProposalShape::m_itemsPerSection, 1},
    {"--firms", nullptr, &ProposalShape::m_firms, 0},
    {"--firm-items", nullptr, &ProposalShape::m_firmItemsPerFirm, 0},
    {"--bid-cap-every", nullptr, &ProposalShape::m_bidCapEvery, 0},
    {"--sites", nullptr, &ProposalShape::m_sites, 0},
    {"--library", &Options::m_libraryProposals, nullptr, 0},
};

constexpr const char* kUsage =
    "usage: zod_generate --out DIR/NAME [--sample] [--seed N] [--items N] [--items-per-section N]\n"
    "                    [--firms N] [--firm-items N] [--bid-cap-every N] [--sites N] [--library PROPOSALS]\n"
    "writes NAME.tvb, NAME.001 and NAME.002, and with --library NAME.tvl; --sample gives the shape\n"
    "of samples/sample (later options change it)\n";

bool SetNumber(Options& options, const NumberOption& option, std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < option.m_minimum) {
        std::fprintf(stderr, "zod_generate: %.*s needs a whole number of at least %d, not \"%.*s\"\n",
                     int(option.m_name.size()), option.m_name.data(), option.m_minimum, int(text.size()), text.data());
        return false;
    }
    (option.m_field ? options.*option.m_field : options.m_shape.*option.m_shapeField) = value;
    return true;
}

bool SetOption(Options& options, std::string_view name, std::string_view value)
{
    if (name == "--out") {
        options.m_base = value;
        return true;
    }
    for (const NumberOption& option : kNumberOptions)
        if (option.m_name == name)
            return SetNumber(options, option, value);
    std::fprintf(stderr, "zod_generate: unknown option %.*s\n", int(name.size()), name.data());
    return false;
}

bool Parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc;) {
        const std::string_view name = argv[i++];
        if (name == "--sample") {
            options.m_shape = SampleShape();
            options.m_seed = int(options.m_shape.m_seed);
            options.m_libraryProposals = kSampleLibraryProposals;
            continue;
        }
        if (i == argc) {
            std::fprintf(stderr, "zod_generate: %.*s needs a value\n", int(name.size()), name.data());
            return false;
        }
        if (!SetOption(options, name, argv[i++]))
            return false;
    }
    options.m_shape.m_seed = uint32_t(options.m_seed);
    return !options.m_base.empty();
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string error;
    bool written = WriteAmendedProposalFiles(options.m_shape, options.m_base, error);
    if (written && options.m_libraryProposals > 0)
        written = WriteLettingLibrary(options.m_shape, options.m_libraryProposals, options.m_base, error);
    if (!written) {
        std::fprintf(stderr, "zod_generate: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
