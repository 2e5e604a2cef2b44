#include "model/EvaluatorSymbols.h"

EvalSymbolTree::~EvalSymbolTree()
{
    Clear();
}

EvalSymbol* EvalSymbolTree::Find(std::string_view name) const
{
    EvalSymbol* node = m_root.get();
    while (node) {
        const int order = name.compare(node->m_name);
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
        const int order = name.compare(node.m_name);
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
