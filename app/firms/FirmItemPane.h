#pragma once

// What the firm item grid asks of the form below it in the firm item splitter, which shows and
// edits the firm's entry for the item under the grid's cursor.
class CFirmItemPane {
public:
    virtual ~CFirmItemPane() = default;

    // The item of the grid's current row (its index in the item list; -1 none) is shown.
    virtual void ShowFirmItem(int item) = 0;
    // The entry of the item shown was made or removed: its fields are shown anew.
    virtual void RefreshFirmItem() = 0;
    // A value typed and not yet stored is stored now. False when it was refused (the form has
    // said why, naming the field); the typed text then stays for the bidder to correct.
    virtual bool StoreTypedValues() = 0;
};
