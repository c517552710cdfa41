#include "cli/cliProject.h"

#include "core/cGuiSettings.h"

std::string NoSuchFileMessage(const std::string& path) {
    return "Cannot open file \"" + path + "\". No such file";
}

void ApplyUnitsOption(const std::string& units, TGuiSettings& s) {
    if (units == "imperial")
        s.LengthUnit = s.AreaUnit = s.VelocityUnit = s.TemperatureUnit = s.PrecipitationUnit =
            s.VolumeUnit = 1;
}
