#pragma once
// Lists of model codes and firmware part numbers that the per-model decisions test.
#include <QString>
#include <algorithm>
#include <span>

using ModelCodeList = std::span<const qint32>;
using PartNumberList = std::span<const char* const>;

inline bool IsListedModel(ModelCodeList models, qint32 code) { return std::ranges::find(models, code) != models.end(); }

inline bool IsListedPart(PartNumberList parts, const QString& partNo)
{
    return std::ranges::any_of(parts, [&](const char* part) { return partNo == QLatin1String(part); });
}
