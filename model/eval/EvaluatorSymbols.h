#pragma once

#include <memory>
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
    std::string m_name;
    char m_kind = EvalUntyped;
    double m_value = 0.0;
    EvalFunction m_function = nullptr;
    std::string m_macroText;
    std::unique_ptr<EvalSymbol> m_left;
    std::unique_ptr<EvalSymbol> m_right;
};

// An unbalanced binary search tree in byte order of the names (smaller to the left).
// Symbols never move, so pointers to them stay valid until Clear.
class EvalSymbolTree {
public:
    EvalSymbolTree() = default;
    EvalSymbolTree(const EvalSymbolTree&) = delete;
    EvalSymbolTree& operator=(const EvalSymbolTree&) = delete;
    ~EvalSymbolTree();

    bool IsEmpty() const { return !m_root; }
    EvalSymbol* Find(std::string_view name) const;
    // Creates an untyped symbol when the name is new; throws std::bad_alloc.
    EvalSymbol& FindOrCreate(std::string_view name);
    void Clear();

private:
    std::unique_ptr<EvalSymbol> m_root;
};
