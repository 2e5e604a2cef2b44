#pragma once

// A report template section of the proposal, edited as text: the bidder's changes go into the
// proposal, or into a configuration file's section of the same name.
#include "app/views/DV.h"

#include <string>

class CPlate;
class CProp;

class CDV_DataTemplate : public CDV {
    DECLARE_DYNCREATE(CDV_DataTemplate)
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT kTemplate = 208;
    enum : UINT {
        IDC_SECTION_TEXT = 1061,
        IDC_SECTION_NAME = 1062,
        IDC_CHANGE_PROPOSAL = 1063,
        IDC_CHANGE_CONFIG = 1064,
    };
    // The longest text taken from either edit.
    static constexpr size_t kMaxText = 36000;

    CDV_DataTemplate();

    void OnInitialUpdate() override;

    const std::string& GetSectionName() const { return m_strSection; }

protected:
    void OnChangeProposal();
    void OnChangeConfig();

private:
    CProp* GetProp() const;
    std::string TypedText(UINT id) const;
    // The configuration file of this run; asked for once.
    bool ChooseConfigFile();
    // The section written into the file; the message that says what happened.
    std::string WriteSection(const std::string& path, const std::string& name, const std::string& text) const;

    std::string m_strSection;
};
