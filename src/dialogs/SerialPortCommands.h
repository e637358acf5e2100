#pragma once
// The commands that set the unit's own serial ports, built from the dialog's choices.
#include <QString>
#include <optional>

namespace ampcom {

// "X1" or "X2", the baud rate in six digits ("004800"), the parity letter, the data bits
// and the stop bits: PortCommand("X1", "9600", "None", "8", "1") is "X1009600N81".
QString PortCommand(const QString& prefix, const QString& baud, const QString& parity, const QString& dataBits,
                    const QString& stopBits);

// "XR", the wiring and termination letters and the RS-485 device address, then ";" and the
// protocol tag when the unit takes one and a tag is set: "XR4TB;OBMIP". Nothing when the
// address is not one letter "A" to "Z": no such command goes out without the unit's address.
std::optional<QString> WiringCommand(const QString& wiring, const QString& termination, const QString& address,
                                     const QString& protocol, bool obmipSupported);

// The list entry a reported parity letter selects: "N" 0, "O" 1, "E" 2; -1 for anything else.
int ParityEntry(const QString& parity);

}   // namespace ampcom
