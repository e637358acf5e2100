#pragma once
// The header properties of a file written for the connected unit.
class FileIO;
struct UnitState;

// Model code, family, firmware and model-configuration part numbers, serial number,
// parameter-log flag and RF band of the unit, control characters left out of its texts.
void SetUnitHeaderProperties(FileIO& io, const UnitState& unit);
