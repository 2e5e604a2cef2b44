#pragma once

// The font of an agency form: the face and size the form names, made as the form's screens use
// it (the controls' font at weight 500, the blocks' bold font two sizes up at 700).
class CFont;
class CWinMeta;

// A size below the smallest the agencies' face came in, or beyond any screen's use, is held
// within readable sizes first; the delta is added after. Without a face, the forms' usual one.
void CreateFormFontOf(const CWinMeta* form, CFont& font, int sizeDelta, int weight);

// The height the form's size gives (before the delta).
int FormFontHeight(const CWinMeta* form);
