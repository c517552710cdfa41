#include "data/cStrategy.h"

#include "core/cCalendar.h"
#include "core/cRecordFile.h"
#include "core/cValueStream.h"

#include <initializer_list>

namespace {

constexpr int kCurrentVersion = 1;

void ReadDays(TValueReader& reader, TYearData& series) {
    for (int d = 1; d <= kDaysInYear; ++d)
        series.SetDay(d, reader.ReadFloat());
}

void WriteDays(TValueWriter& writer, const TYearData& series) {
    for (double value : series.Days())
        writer.WriteFloat(value);
}

} // namespace

void TStrategy::Clear() {
    FieldDataAvailable = true;
    DFcrit = 0.6;
    for (TYearData* series : std::initializer_list<TYearData*>{
             &ChangeGWTableData, &DivertedWater, &DFUser, &ETaIrrigated, &ETaGross, &DFCalc, &VcDF,
             &VcET, &DepthGWTable, &GWContribution, &ChangeGWTableStrategy})
        series->Fill(0);
    SoilType.clear();
    CapRise05 = 0;
    CapRise10 = 0;
    CapRise20 = 0;
    FieldApplMethod.clear();
    RaRatio = 0;
    Uniformity = 0;
    WaterShortage = 0;
    ZValue = 0;
    DeliveryRatio = 0;
    FlowRegime = 0;
    ConveyRatio = 0;
    DepthGW1Jan = 0;
    GeneralFileName.clear();
    DFUserInitialised = 0;
}

bool TStrategy::Load(const std::string& fileName) {
    return LoadRecordFile(fileName, FileName,
                          [this](TValueReader& reader) { return ReadData(reader); });
}

bool TStrategy::ReadData(TValueReader& reader) {
    return ReadRecordData(*this, [&reader](TStrategy& s) {
        s.Version = reader.ReadInteger();
        s.FieldDataAvailable = reader.ReadBoolean();
        s.SpareFlag = reader.ReadBoolean();
        s.DFUserInitialised = reader.ReadInteger();
        s.DFcrit = reader.ReadFloat();
        s.SoilType = reader.ReadString();
        s.CapRise05 = reader.ReadFloat();
        s.CapRise10 = reader.ReadFloat();
        s.CapRise20 = reader.ReadFloat();
        s.FieldApplMethod = reader.ReadString();
        s.RaRatio = reader.ReadFloat();
        s.Uniformity = reader.ReadFloat();
        s.WaterShortage = reader.ReadFloat();
        s.ZValue = reader.ReadFloat();
        s.DeliveryRatio = reader.ReadFloat();
        s.FlowRegime = reader.ReadInteger();
        s.ConveyRatio = reader.ReadFloat();
        s.DepthGW1Jan = reader.ReadFloat();
        s.GeneralFileName = reader.ReadString();
        ReadDays(reader, s.ChangeGWTableData);
        ReadDays(reader, s.DivertedWater);
        ReadDays(reader, s.DFUser);
        ReadDays(reader, s.ETaIrrigated);
        // Version 0 files end here; ETaGross keeps what it held.
        if (s.Version > 0)
            ReadDays(reader, s.ETaGross);
    });
}

void TStrategy::Save(const std::string& fileName) const {
    SaveRecordFile(fileName, [this](TValueWriter& writer) { WriteData(writer); });
}

void TStrategy::WriteData(TValueWriter& writer) const {
    writer.WriteInteger(kCurrentVersion);
    writer.WriteBoolean(FieldDataAvailable);
    writer.WriteBoolean(SpareFlag);
    writer.WriteInteger(DFUserInitialised);
    writer.WriteFloat(DFcrit);
    writer.WriteString(SoilType);
    writer.WriteFloat(CapRise05);
    writer.WriteFloat(CapRise10);
    writer.WriteFloat(CapRise20);
    writer.WriteString(FieldApplMethod);
    writer.WriteFloat(RaRatio);
    writer.WriteFloat(Uniformity);
    writer.WriteFloat(WaterShortage);
    writer.WriteFloat(ZValue);
    writer.WriteFloat(DeliveryRatio);
    writer.WriteInteger(FlowRegime);
    writer.WriteFloat(ConveyRatio);
    writer.WriteFloat(DepthGW1Jan);
    writer.WriteString(GeneralFileName);
    WriteDays(writer, ChangeGWTableData);
    WriteDays(writer, DivertedWater);
    WriteDays(writer, DFUser);
    WriteDays(writer, ETaIrrigated);
    WriteDays(writer, ETaGross);
}
