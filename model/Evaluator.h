#pragma once

#include <string>

// The formula evaluator: one program-wide symbol table and evaluation state, main thread only.

// The sentinel that every caller tests before using a result.
double MakeEvalErrorValue(double* target = nullptr);
int IsEvalValueValid(double value);

// Evaluates one line (or runs one "set" statement); the invalid value on error.
double EvaluateExpression(const char* text);

// Code of the last evaluation (0 none); optionally its text and offset in the input.
int GetEvaluatorError(std::string* text = nullptr, int* offset = nullptr);

int SetEvaluatorVariable(const char* name, double value);
int DefineEvaluatorConstant(const char* name, double value);
int DefineEvaluatorFunction(const char* name, double (*function)(double));
int DefineEvaluatorMacro(const char* name, const char* text);

// Records the first error of an evaluation at a position in the text being parsed; yields 0.0.
double SetEvaluatorError(int code, const char* position);

// For functions given to DefineEvaluatorFunction: records a math error (5 overflow, 6 domain,
// 7 singularity, 8 total loss of significance) at the start of the call being made; yields 0.0.
double RaiseEvaluatorMathError(int code);

// Empties the symbol table; the built-ins come back with the next use.
void FreeEvaluatorSymbols();
