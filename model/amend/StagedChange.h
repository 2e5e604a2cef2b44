#pragma once

#include "model/text/FatalError.h"

// Raised when an amendment cannot be applied. Every such failure is found before the first
// change, so the proposal and the change log are left as they were.
class CAmendmentError : public CFatalError {
public:
    using CFatalError::CFatalError;
};
