#pragma once

#include <string>

// What the program was asked to do on its command line. A parameter starting with "/" or "-"
// is a flag (handed over without that character); anything else names the file to open.
// Applications derive from it and extend ParseParam, calling the base for every parameter.
class CCommandLineInfo {
public:
    enum { FileNew = 0, FileOpen = 1, FilePrint = 2, FilePrintTo = 3, FileNothing = -1 };

    virtual ~CCommandLineInfo() = default;

    // Called once for each parameter, in order; last is true for the final one.
    virtual void ParseParam(const char* param, bool flag, bool last);

    int m_nShellCommand = FileNew;
    std::string m_strFileName;
    std::string m_strPrinterName; // "/pt file printer": print to that printer

private:
    void ParseFlag(const std::string& flag);
    void ParseNotFlag(const std::string& text);
    void ParseLast();
};

// Feeds argv[1..argc-1] to info.ParseParam. Null entries are skipped.
void ParseCommandLine(int argc, const char* const* argv, CCommandLineInfo& info);
