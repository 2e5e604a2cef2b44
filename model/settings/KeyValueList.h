#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A key with its value and the value read as a decimal number (0 when it has no digits).
struct KeyValueNode {
    std::string m_key;
    std::string m_value;
    int m_number = 0;
};

// Pairs in the order they were first set; keys compare exactly. Indexed, so that reading a
// section of many thousand keys stays linear.
class KeyValueList {
public:
    const std::vector<KeyValueNode>& Nodes() const { return m_nodes; }
    std::size_t Size() const { return m_nodes.size(); }

private:
    friend void KeyValueListSet(KeyValueList&, std::string, std::string, bool);
    friend const KeyValueNode* KeyValueListFind(const KeyValueList&, std::string_view);
    friend void KeyValueListFree(KeyValueList&);

    std::vector<KeyValueNode> m_nodes;
    std::unordered_map<std::string, std::size_t> m_index;
};

// With trim, key and value lose their blanks and tabs. An existing key takes the new value;
// a new key goes at the end. The value is taken over, not copied.
void KeyValueListSet(KeyValueList& list, std::string key, std::string value, bool trim);
// Set with trimming.
void KeyValueListAdd(KeyValueList& list, std::string_view key, std::string_view value);

// The node of the key, trimmed first; null when there is none.
const KeyValueNode* KeyValueListFind(const KeyValueList& list, std::string_view key);

// Empties the list and gives its memory back.
void KeyValueListFree(KeyValueList& list);
