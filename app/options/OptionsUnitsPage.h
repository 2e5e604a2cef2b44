#pragma once

// The unit conversion table: a unit, its alternate unit, the conversion formula between them
// and a description, one pair a row, searched from the top.
#include "app/options/OptionsCommonGrid.h"
#include "app/options/OptionsGridPage.h"

class COptionsUnitsPage : public COptionsGridPage {
public:
    static constexpr UINT IDD = 206;

    COptionsUnitsPage();

    COptionsCommonGrid& GetGrid() override { return m_grid; }
    bool OnInitDialog() override;
    void OnOK() override;

    // The rows with a unit, an alternate unit and a conversion, in grid order.
    std::vector<std::vector<std::string>> GetUnitRows();

protected:
    std::optional<std::string> ProblemWithRows() override;

private:
    COptionsCommonGrid m_grid;
};
