#pragma once

#include <string>
#include <vector>

class CSessionLog;

// The signing certificates the user may choose from. This platform has no system certificate
// store, so the list stays empty and the store says so as its last error.
class CCertStore {
public:
    CCertStore();

    bool HasCertificates() const { return !m_certificates.empty(); }
    int GetCount() const { return int(m_certificates.size()); }
    int GetSelectedIndex() const { return m_selected; } // negative when none is chosen

    // Attaches the log (or none); the working folder becomes the log's folder, else ".".
    int SetLog(CSessionLog* log);
    const std::string& GetWorkFolder() const { return m_workFolder; }

    // Formats the line and hands it to the attached log unchanged; nothing without a log.
    int Log(int level, const char* format, ...) __attribute__((format(printf, 3, 4)));

    const std::string& GetErrorText() const { return m_errorText; }

private:
    std::vector<std::string> m_certificates; // subject names
    int m_selected = -1;
    CSessionLog* m_log = nullptr;
    std::string m_workFolder = ".";
    std::string m_errorText;
};
