#pragma once

#include <map>
#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>

using EvalFunction = double (*)(double);

// The one-byte kind of a symbol; untyped is a symbol created but not yet defined.
enum EvalSymbolKind : char {
    EvalUntyped = 0,
    EvalVariable = 'V',
    EvalConstant = 'C',
    EvalFunctionKind = 'F',
    EvalMacro = 'S',
};

struct EvalSymbol {
    char m_kind = EvalUntyped;
    double m_value = 0.0;
    EvalFunction m_function = nullptr;
    std::unique_ptr<std::string> m_macroText;  // apart, as few symbols are macros
};

// The symbols by name, in byte order of the names, in a balanced tree: one formula from an
// agency's file may name a hundred thousand variables, in sorted order as readily as in any other.
// Symbols never move, so pointers to them stay valid until Clear.
class EvalSymbolTable {
public:
    bool IsEmpty() const { return m_symbols.empty(); }
    EvalSymbol* Find(std::string_view name);
    // Creates a symbol of the kind when the name is new; throws std::bad_alloc.
    EvalSymbol& FindOrCreate(std::string_view name, char kindIfNew = EvalUntyped);
    void Clear();

private:
    // Symbols are only ever freed all at once, so names and tree nodes come from one arena:
    // a formula naming thousands of new variables would otherwise spend its time allocating.
    std::pmr::monotonic_buffer_resource m_arena;
    std::pmr::map<std::string_view, EvalSymbol> m_symbols{&m_arena};
};
