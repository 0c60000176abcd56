#pragma once

#include "common/apperror.h"

// Failure of the report engine: a missing or malformed report file, a data
// connection nobody provides, a value a report element cannot print, a PDF
// that cannot be written. The text is what the operator reads.
class ReportError : public AppError
{
public:
    using AppError::AppError;
};
