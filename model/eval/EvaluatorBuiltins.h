#pragma once

// Creates "@@", the constants and the math functions in their fixed order. Must run on an empty
// symbol table; it does not create the built-ins again through the public definitions.
void CreateEvaluatorBuiltins();
