#include "model/eval/EvaluatorSymbols.h"

namespace {

// Byte order, as unsigned characters; names are short, so a plain loop beats a library call.
int CompareNames(std::string_view a, const std::string& b)
{
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

EvalSymbolTree::~EvalSymbolTree()
{
    Clear();
}

EvalSymbol* EvalSymbolTree::Find(std::string_view name) const
{
    EvalSymbol* node = m_root.get();
    while (node) {
        const int order = CompareNames(name, node->m_name);
        if (order == 0)
            return node;
        node = order < 0 ? node->m_left.get() : node->m_right.get();
    }
    return nullptr;
}

EvalSymbol& EvalSymbolTree::FindOrCreate(std::string_view name)
{
    std::unique_ptr<EvalSymbol>* link = &m_root;
    while (*link) {
        EvalSymbol& node = **link;
        const int order = CompareNames(name, node.m_name);
        if (order == 0)
            return node;
        link = order < 0 ? &node.m_left : &node.m_right;
    }
    auto symbol = std::make_unique<EvalSymbol>();
    symbol->m_name.assign(name);
    *link = std::move(symbol);
    return **link;
}

void EvalSymbolTree::Clear()
{
    // Names created in sorted order make a tree as deep as it is large; rotating left children
    // up and freeing childless-on-the-left nodes keeps the release free of recursion.
    while (m_root) {
        if (m_root->m_left) {
            std::unique_ptr<EvalSymbol> left = std::move(m_root->m_left);
            m_root->m_left = std::move(left->m_right);
            left->m_right = std::move(m_root);
            m_root = std::move(left);
        } else {
            m_root = std::move(m_root->m_right);
        }
    }
}
