// The status decoders on any reply field, for both families and any unit settings.
#include "FuzzInput.h"
#include "status/AlarmDecode.h"
#include "status/FaultDecode.h"
#include "status/SummaryDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t flags = data[0];
    const QString field = fuzz::text(fuzz::bytes(data + 1, size - 1));
    using namespace status;
    (void)DecodeSummaryField(field, flags & 1);
    (void)DecodeAutoModeByte(data[1]);
    (void)WaveguideCfgEntry(static_cast<int>(static_cast<int8_t>(data[1])));
    PanelUnit unit;
    unit.IsTwtaUnit = flags & 1;
    unit.LldpFirmware = flags & 2;
    unit.LegacyStatusQuery = flags & 4;
    static const qint32 models[] = {-1, 4817, 7428, 9214, 7467, 0, 1, 9999};
    unit.UnitModelCode = models[(flags >> 3) & 7];
    (void)DecodeFaultField(field, unit);
    (void)DecodeAlarmField(field, unit);
    return 0;
}
