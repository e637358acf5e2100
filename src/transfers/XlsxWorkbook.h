#pragma once
// Writes laid-out sheets into a new .xlsx workbook (libxlsxwriter).
#include "transfers/LogSheet.h"
#include <optional>
#include <vector>

struct WorkbookError {
    int number;   // the writer's error number
    QString text;
};

// Writes `sheets`, in order, into a new workbook at `path`, whole or not at all: the workbook
// is built under a temporary name beside it and takes `path` only when complete. An existing
// file at `path` is never replaced.
std::optional<WorkbookError> WriteWorkbook(const QString& path, const std::vector<logsheet::SheetLayout>& sheets);
