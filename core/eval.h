// The expression evaluator: operands, the five operators, parentheses,
// built-in functions, array elements and value-returning commands.
#pragma once

#include <cstdint>

#include "core/common.h"

namespace zep {

// Evaluates an expression text in 32-bit floats. On failure sets error_code
// (and sometimes error_name) and gives 0.
float EvalExpr(WindowRef window, const char* text);

// The value of one operand token: a reserved name, a number or a variable.
double ReadOperand(const char* token);

// Calls a built-in function or a value-returning command; the value is left
// in function_result (set to 0 first).
void CallFunction(WindowRef window, const char* name, const char* args);

// Reads the leading decimal number of a token (optional blanks and sign,
// digits, fraction, exponent). Gives the bytes used (0 when no digit).
size_t ParseDecimal(const char* text, double* value);

// The generator behind rand(): seeded from the argument on every call.
uint32_t RandomNext(uint32_t* state);

}  // namespace zep
