#pragma once

#include <cstdio>
#include <string>

// The log of one operation (a submission, a bond check, ...): a folder of its own under
// the user's data folder, "TarvelloLogs/<operation>/<yymmdd_HHMMSS>", holding "Log.txt" and
// whatever temporary files the operation makes.
class CSessionLog {
public:
    // operation: a plain name; anything with a folder in it leaves the log closed.
    explicit CSessionLog(const std::string& operation);
    ~CSessionLog();
    CSessionLog(const CSessionLog&) = delete;
    CSessionLog& operator=(const CSessionLog&) = delete;

    const std::string& GetFolder() const { return m_folder; }
    bool IsOpen() const { return m_file != nullptr; }

    // Appends one finished entry and flushes it, so the log survives a crash.
    void Append(const std::string& entry);

private:
    std::string m_folder;
    std::FILE* m_file = nullptr;
};

// Levels: 1 error, 2 warning, 3 message, others debug; 6 and above are not written.
// The formatted text is cut to 511 characters including its line end. Always returns 1.
int WriteSessionLog(CSessionLog* log, int level, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
