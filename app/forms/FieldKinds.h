#pragma once

// The kinds of an agency form's fields, as the form records them, and the control each gets.
enum FieldKind : int {
    FIELD_TEXT = 1,
    FIELD_NUMBER = 2,
    FIELD_MONEY = 3,
    FIELD_DATE = 4,
    FIELD_YES_NO = 5,
    FIELD_LIST = 6,
    FIELD_EDITABLE_LIST = 7,
    FIELD_STATIC = 8,
    FIELD_BUTTON = 9,
    FIELD_CHECK_BOX = 10,
    FIELD_IMAGE = 11,
    FIELD_RADIO = 12,
    FIELD_ATTACHMENT = 13,
};

// Kinds 1 to 4: an edit whose text is the cell's value.
inline bool IsEditKind(int kind)
{
    return kind >= FIELD_TEXT && kind <= FIELD_DATE;
}

// Kinds 5 to 7: a combo box.
inline bool IsComboKind(int kind)
{
    return kind >= FIELD_YES_NO && kind <= FIELD_EDITABLE_LIST;
}

// The kinds that offer a pick list: a text field's linked texts and the two lists.
inline bool HasPickList(int kind)
{
    return kind == FIELD_TEXT || kind == FIELD_LIST || kind == FIELD_EDITABLE_LIST;
}
