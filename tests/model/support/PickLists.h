#pragma once

#include "model/files/PackFile.h"
#include "model/files/PickList.h"
#include "model/records/Prop.h"
#include "tests/model/support/TempFolder.h"

#include <gtest/gtest.h>

#include <vector>

// A proposal "opened" from a fresh folder, where list files go.
class PickListTest : public ::testing::Test {
protected:
    void SetUp() override { SetLastProposalPath(m_folder.Path() + "/letting.tvb"); }
    void TearDown() override
    {
        SetLastProposalPath("");
        PackFileResetLayer();
    }

    static CFieldInfo& AddListField(CWinMeta& form, const std::string& listName, int kind = 7)
    {
        auto field = std::make_unique<CFieldInfo>();
        field->m_strText = listName;
        field->m_iKind = kind;
        return *form.m_fields.Add(std::move(field));
    }

    // A ".BIN" list as the agency writes it: a u16 count, then NUL-terminated entries.
    std::string WriteBinList(const std::string& name, const std::vector<std::string>& entries,
                             std::size_t recordSize = 4096) const
    {
        const std::string path = m_folder.Path() + "/" + name;
        EXPECT_EQ(PackFileInit(nullptr, 0, 4096), 1);
        PackFilePtr file = PackFileOpen(path, "wb", nullptr, recordSize);
        const uint8_t count[2] = {uint8_t(entries.size()), uint8_t(entries.size() >> 8)};
        PackFileBufferData(file.get(), count, 2);
        for (const std::string& entry : entries)
            PackFileBufferData(file.get(), reinterpret_cast<const uint8_t*>(entry.c_str()), entry.size() + 1);
        EXPECT_EQ(PackFileClose(std::move(file)), 0);
        return path;
    }

    static std::vector<std::string> EntriesOf(const CSAStringArray* list)
    {
        return list ? std::vector<std::string>(list->begin(), list->end()) : std::vector<std::string>{"<none>"};
    }

    TempFolder m_folder;
    CProp m_prop;
    CWinMeta m_form;
};
