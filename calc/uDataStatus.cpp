#include "calc/uDataStatus.h"

#include "core/cFileIO.h"
#include "core/cNumberFormat.h"
#include "data/cAllData.h"

TDataStatus DataStatus(const TAllData& data) {
    const TGuiSettings& units = data.GuiSettings;
    const TGeneral& general = data.General;
    TDataStatus s;
    s.AltitudeCaption = "Altitude (" + units.CurrentUnitLabel(QuantityKind::Length) + ")";
    s.AreaCaption = "Size of irrigable area (" + units.CurrentUnitLabel(QuantityKind::Area) + ")";
    s.DepthCaption =
        "Mean depth of water application (" + units.CurrentUnitLabel(QuantityKind::Depth) + ")";

    s.GeneralFile = FileNamePart(general.FileName);
    s.Country = general.Country;
    s.Region = general.Region;
    s.CalcPeriod = general.CalcPeriod;
    s.Latitude = FormatFixed(general.Latitude, 2) + " \u00b0" + general.Hemisphere;
    s.Altitude = units.FormatValue(QuantityKind::Length, general.Altitude);
    s.Description = general.Description;
    s.IrrigableArea = units.FormatValue(QuantityKind::Area, general.IrrigableArea);
    s.ApplInterval = std::to_string(general.ApplInterval);
    s.MeanDepth = units.FormatValue(QuantityKind::Depth, general.MeanDepth);
    s.MeteoFile = FileNamePart(data.Meteo.FileName);
    s.PatternFile = FileNamePart(data.CropPattern.FileName);
    return s;
}
