#include "bench/generator/PickListText.h"

#include <array>
#include <random>

std::string GeneratePickListText(std::size_t entries, unsigned seed)
{
    static const std::array<const char*, 16> words = {
        "Paving", "Asphalt", "Concrete", "Excavating", "Guardrail", "Signing", "Trucking", "Bridge",
        "Services", "Inc.", "LLC", "Construction", "Materials", "& Sons", "Striping", "Electric"};
    std::mt19937 random(seed);
    std::string text;
    for (std::size_t i = 0; i < entries; ++i) {
        text += "D" + std::to_string(10000 + random() % 90000) + "  ";
        for (int word = 0; word < 3; ++word)
            text += std::string(words[random() % words.size()]) + " ";
        text += std::to_string(100 + random() % 900) + " Main St, Springfield";
        text += '\0';
    }
    return text;
}
