#include "model/settings/DefaultUnitRows.h"

namespace {

constexpr std::string_view kRows[] = {
    "IN,mm,25.4,inch - millimeter",
    "IN,cm,2.54,inch - centimeter",
    "LF,m,0.304,linear foot - meter",
    "GLF,GLm,0.304,gross linear foot - gross linear meter",
    "L.F.,m,0.304,linear foot - meter",
    "FT,m,0.304,foot - meter",
    "YD,m,0.304 * 3,yard - meter",
    "MI,km,1.609344,mile - kilometer",
    "LM,Lkm,1.609344,linear mile - linear kilometer",
    "GLM,GLkm,1.609344,gross linear mile - gross linear kilometer",
    "MLF,m,304,1000 linear foot - meter",
    "SQIN,cm2,2.54 ^ 2,square inch - square centimeter",
    "SQIN,mm2,25.4 ^ 2,square inch - square millimeter",
    "SF,m2,0.304 ^ 2,square foot - square meter",
    "S.F.,m2,0.304 ^ 2,square foot - square meter",
    "SQFT,m2,0.304 ^ 2,square foot - square meter",
    "SY,m2,(0.304 * 3) ^ 2,square yard - square meter",
    "S.Y.,m2,(0.304 * 3) ^ 2,square yard - square meter",
    "SQYD,m2,(0.304 * 3) ^ 2,square yard - square meter",
    "ACRE,m2,4046.856,acre        - square meter",
    "SQMI,km2,1.609344 ^ 2,square mile - square kilometer",
    "MSY,m2,1000 *(0.304*3) ^2,1000 square yard - square meter",
    "CUIN,cm3,2.54 ^ 3,cubic inch - cubic centimeter",
    "CUIN,mm3,25.4 ^ 3,cubic inch - cubic millimeter",
    "CI,cm3,2.54 ^ 3,cubic inch - cubic centimeter",
    "C.I.,cm3,2.54 ^ 3,cubic inch - cubic centimeter",
    "CY,m3,(0.304 * 3) ^ 3,cubic yard - cubic meter",
    "C.Y.,m3,(0.304 * 3) ^ 3,cubic yard - cubic meter",
    "CUYD,m3,(0.304 * 3) ^ 3,cubic yard - cubic meter",
    "CF,m3,0.304 ^ 3,cubic foot - cubic meter",
    "C.F.,m3,0.304 ^ 3,cubic foot - cubic meter",
    "CUFT,m3,0.304 ^ 3,cubic foot - cubic meter",
    "ACFT,m3,4046.856 * 0.304,acre foot  - cubic meter",
    "GAL,l,3.78541,gallon     - litre",
    "GL,l,3.78541,gallon     - litre",
    "MGAL,l,3785.41,1000 gallon     - litre",
    "M/G,l,3785.41,1000 gallon     - litre",
    "BBL,l,3.78541 * 42,barrel(petroleum) - litre",
    "BF,m3,12^2 * 0.0254^3,Board Feet - cubic meter",
    "B.F.,m3,12^2 * 0.0254^3,Board Feet - cubic meter",
    "MBF,m3,12^2 * 0.0254^3*1000,1000 Board Feet - cubic meter",
    "LB,kg,0.453592,pound - kilogram",
    "TON,Mg,0.453592 * 2,ton - Megagram",
    "TON,mton,0.453592 * 2,ton - metric ton (Megagram)",
    "TN,Mg,0.453592 * 2,ton - Megagram",
    "CWT,kg,45.3592,100 lbs - kilogram",
};

} // namespace

std::span<const std::string_view> DefaultUnitRows()
{
    return kRows;
}
