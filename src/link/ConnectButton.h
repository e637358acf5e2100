#pragma once
#include <QLatin1String>

// The captions of the connect button, which are also the connection state it acts by.
inline constexpr QLatin1String ConnectCaption("Connect");
inline constexpr QLatin1String TerminateCaption("Terminate");
inline constexpr QLatin1String DisconnectCaption("Disconnect");
