#include "data/cGeneral.h"

#include "core/cRecordFile.h"
#include "core/cValueStream.h"

namespace {
constexpr int kCurrentVersion = 2;
}

void TGeneral::Clear() {
    Altitude = 0;
    ApplInterval = 0;
    CalcPeriod = "Month";
    Country.clear();
    Description.clear();
    MeanDepth = 0;
    FileName.clear();
    Hemisphere.clear();
    Latitude = 0;
    Region.clear();
    IrrigableArea = 0;
    GrossArea = 0;
    UseCurveNumber = false;
    LandUseIndex = 0;
    SoilGroupIndex = 0;
    FixedPercent = 40;
    UseFixedPercent = false;
}

bool TGeneral::Load(const std::string& fileName) {
    return LoadRecordFile(fileName, FileName,
                          [this](TValueReader& reader) { return ReadData(reader); });
}

bool TGeneral::ReadData(TValueReader& reader) {
    return ReadRecordData(*this, [&reader](TGeneral& g) {
        g.Version = reader.ReadInteger();
        g.Country = reader.ReadString();
        g.Region = reader.ReadString();
        g.Description = reader.ReadString();
        g.Hemisphere = reader.ReadString();
        g.Latitude = reader.ReadFloat();
        g.Altitude = reader.ReadFloat();
        g.IrrigableArea = reader.ReadFloat();
        g.GrossArea = g.Version >= 1 ? reader.ReadFloat() : g.IrrigableArea;
        g.CalcPeriod = reader.ReadString();
        g.MeanDepth = reader.ReadFloat();
        g.ApplInterval = reader.ReadInteger();
        if (g.Version >= 2) {
            g.UseCurveNumber = reader.ReadBoolean();
            g.LandUseIndex = reader.ReadInteger();
            g.SoilGroupIndex = reader.ReadInteger();
            g.FixedPercent = reader.ReadFloat();
            g.UseFixedPercent = reader.ReadBoolean();
        } else {
            g.UseCurveNumber = false;
            g.LandUseIndex = 0;
            g.SoilGroupIndex = 0;
            g.FixedPercent = 40;
            g.UseFixedPercent = false;
        }
    });
}

void TGeneral::Save(const std::string& fileName) const {
    SaveRecordFile(fileName, [this](TValueWriter& writer) { WriteData(writer); });
}

void TGeneral::WriteData(TValueWriter& writer) const {
    writer.WriteInteger(kCurrentVersion);
    writer.WriteString(Country);
    writer.WriteString(Region);
    writer.WriteString(Description);
    writer.WriteString(Hemisphere);
    writer.WriteFloat(Latitude);
    writer.WriteFloat(Altitude);
    writer.WriteFloat(IrrigableArea);
    writer.WriteFloat(GrossArea);
    writer.WriteString(CalcPeriod);
    writer.WriteFloat(MeanDepth);
    writer.WriteInteger(ApplInterval);
    writer.WriteBoolean(UseCurveNumber);
    writer.WriteInteger(LandUseIndex);
    writer.WriteInteger(SoilGroupIndex);
    writer.WriteFloat(FixedPercent);
    writer.WriteBoolean(UseFixedPercent);
}
