#include "FuzzSupport.h"
#include "core/cGuiSettings.h"
#include "core/cValueStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TSilentMessages silent;
    TGuiSettings settings;
    TValueReader reader(AsBytes(data, size));
    if (settings.ReadData(reader)) {
        // Whatever units a file claims, formatting and labels must cope.
        for (int kind = 0; kind <= 13; ++kind) {
            settings.FormatValue(kind, 1.5);
            settings.ParseValue(kind, 1.5);
            TGuiSettings::UnitLabel(kind, settings.UnitOf(kind));
        }
    }
    return 0;
}
