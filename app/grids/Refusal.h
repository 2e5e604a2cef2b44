#pragma once

#include "model/entry/TypedEntry.h"

// The refusal in a message box titled after the field.
void ShowRefusal(const TypedEntry& entry);
