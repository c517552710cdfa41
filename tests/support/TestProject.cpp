#include "support/TestProject.h"

#include "calc/uCurveNumber.h"

#include "data/cAllData.h"

void LoadValidProject(TAllData& data) {
    TGeneral& g = data.General;
    g.Clear();
    g.FileName = "C:\\QUELTA\\GENERAL\\SITE.GEN";
    g.Country = "Egypt";
    g.Region = "Nile delta";
    g.Description = "Irrigated area near the river with a long description";
    g.Hemisphere = "North";
    g.Latitude = 30.05;
    g.Altitude = 100;
    g.IrrigableArea = 1000;
    g.GrossArea = 1200;
    g.CalcPeriod = "Month";
    g.ApplInterval = 10;
    g.MeanDepth = 75;
    g.DataValid = true;

    TMeteo& m = data.Meteo;
    m.Clear();
    m.FileName = "/data/Meteo/cairo.mtf";
    m.WindHeight = 2;
    m.Tmin.Fill(12);
    m.Tmax.Fill(28);
    m.Precipitation.Fill(0.5);
    m.Sunshine.Fill(9);
    m.RHmean.Fill(55);
    m.RHmax.Fill(80);
    m.WindSpeed.Fill(2.5);
    m.WindRatio.Fill(2);

    data.CropPattern.FileName = "/data/Pattern/delta.pat";
}

bool LoadSevilleExample(TAllData& data, const std::string& programFolder) {
    const bool loaded = data.General.Load(programFolder + "/General/Seville.gen") &&
                        data.Meteo.Load(programFolder + "/Meteo/Seville.mtf") &&
                        data.CropPattern.Load(programFolder + "/Pattern/Seville.pat");
    SetDerivedGeneralValues(data.General);
    return loaded;
}
