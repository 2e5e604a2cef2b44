#pragma once

// What a PDF holds: its page count, and its text as laid out on the pages.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>

// The page count a PDF declares in its page tree: the /Count of the /Type /Pages object.
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

// The PDF's text as poppler's pdftotext reads it, in the layout of its pages.
inline std::string PdfText(const std::string& path)
{
    std::string text;
    const std::string command = "pdftotext -layout '" + path + "' - 2>/dev/null";
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, read);
        pclose(pipe);
    }
    return text;
}

// Runs of blanks as one, as the text of a PDF may space its columns.
inline std::string Squeezed(const std::string& text)
{
    std::istringstream words(text);
    std::string out;
    for (std::string word; words >> word;)
        out += (out.empty() ? "" : " ") + word;
    return out;
}
