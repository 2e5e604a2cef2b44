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

// What a command of poppler's prints.
inline std::string PopplerOutput(const std::string& command)
{
    std::string text;
    if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, read);
        pclose(pipe);
    }
    return text;
}

// The PDF's text as poppler's pdftotext reads it, in the layout of its pages; one page of it
// when `page` is given.
inline std::string PdfText(const std::string& path, int page = 0)
{
    const std::string pages = page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    return PopplerOutput("pdftotext -layout" + pages + " '" + path + "' -");
}

// The size of the first page in points, as pdfinfo gives it: "612 x 792" for Letter upright.
inline std::string PdfPageSize(const std::string& path)
{
    const std::string info = PopplerOutput("pdfinfo '" + path + "'");
    static const std::regex size(R"(Page size:\s+([0-9.]+ x [0-9.]+) pts)");
    std::smatch match;
    return std::regex_search(info, match, size) ? match[1].str() : std::string();
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
