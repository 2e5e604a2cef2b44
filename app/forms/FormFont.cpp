#include "app/forms/FormFont.h"

#include "model/records/WinMeta.h"
#include "platform/ui/draw/GdiObjects.h"

#include <algorithm>

namespace {

// The agencies' face came in cells of 13 pixels at its smallest: a form asking for less got
// that size, and is shown so.
constexpr int kMinFormFontHeight = 13;
constexpr int kMaxFormFontHeight = 48;
constexpr const char* kDefaultFace = "MS Sans Serif";

} // namespace

int FormFontHeight(const CWinMeta* form)
{
    const int size = form ? form->m_iFontSize : 0;
    return std::clamp(size, kMinFormFontHeight, kMaxFormFontHeight);
}

void CreateFormFontOf(const CWinMeta* form, CFont& font, int sizeDelta, int weight)
{
    const char* face = form && !form->m_strFontFace.empty() ? form->m_strFontFace.c_str() : kDefaultFace;
    font.DeleteObject();
    font.CreateFont(FormFontHeight(form) + sizeDelta, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0, face);
}
