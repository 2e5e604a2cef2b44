#pragma once

#include <string>

class CProfileStore;

enum ProxyMode { PROXY_DIRECT = 0, PROXY_MANUAL = 1, PROXY_SYSTEM = 2 };

// How the server exchange reaches the Internet: one program-wide record.
struct CProxySettings {
    int m_iMode = PROXY_DIRECT;
    std::string m_strAddress;
    int m_iPort = 0;

    bool operator==(const CProxySettings&) const = default;
};

CProxySettings& GetProxySettings();

// From "Proxy": a mode outside 0..2 reads as direct, a port outside 0..65535 (or missing) as 0.
void LoadProxySettings(CProfileStore& store);
void SaveProxySettings(CProfileStore& store);
