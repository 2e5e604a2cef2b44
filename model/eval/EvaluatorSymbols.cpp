#include "model/eval/EvaluatorSymbols.h"

#include <cstring>

EvalSymbol* EvalSymbolTable::Find(std::string_view name)
{
    const auto found = m_symbols.find(name);
    return found == m_symbols.end() ? nullptr : &found->second;
}

EvalSymbol& EvalSymbolTable::FindOrCreate(std::string_view name, char kindIfNew)
{
    const auto place = m_symbols.lower_bound(name);
    if (place != m_symbols.end() && place->first == name)
        return place->second;
    char* stored = static_cast<char*>(m_arena.allocate(name.size(), 1));
    std::memcpy(stored, name.data(), name.size());
    EvalSymbol symbol;
    symbol.m_kind = kindIfNew;
    return m_symbols.emplace_hint(place, std::string_view(stored, name.size()), std::move(symbol))->second;
}

void EvalSymbolTable::Clear()
{
    m_symbols.clear();
    m_arena.release();
}
