#pragma once

// The page count a PDF declares in its page tree: the /Count of the /Type /Pages object.
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

inline int PdfPageCount(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    static const std::regex pagesObject(R"(<<[^>]*?/Type\s*/Pages\b[^>]*?/Count\s+(\d+))");
    std::smatch match;
    if (!std::regex_search(bytes, match, pagesObject))
        return -1;
    return std::stoi(match[1]);
}
