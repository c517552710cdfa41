#include "data/cSchedule.h"

#include "core/cError.h"
#include "core/cRecordFile.h"
#include "core/cValueStream.h"

namespace {

constexpr int kCurrentVersion = 1;

// An option stored by its position; a position no option has is a damaged file.
template <class TEnum>
TEnum ReadOption(TValueReader& reader, TEnum last) {
    const int value = reader.ReadInteger();
    if (value < 0 || value > static_cast<int>(last))
        throw TStreamError("Invalid property value");
    return static_cast<TEnum>(value);
}

} // namespace

void TSchedule::Clear() {
    FileName.clear();
    Soil.Clear();
    CropFileName.clear();
    PlantingDay = 0;
    DepletionFraction = 0.5;
    KySeason = 1.0;
    KyStage = {};
    Timing = TScheduleTiming::PercentOfRAW;
    TimingPercentOfRAW = 100;
    TimingInterval = 10;
    TimingDepletion = 50;
    Application = TScheduleApplication::RefillToFieldCapacity;
    ApplicationDepth = 40;
    RoomForRain = 10;
    Efficiency = 70;
}

bool TSchedule::Load(const std::string& fileName) {
    return LoadRecordFile(fileName, FileName,
                          [this](TValueReader& reader) { return ReadData(reader); });
}

bool TSchedule::ReadData(TValueReader& reader) {
    return ReadRecordData(*this, [&reader](TSchedule& s) {
        s.Version = reader.ReadInteger();
        s.Soil.ReadFields(reader);
        s.CropFileName = reader.ReadString();
        s.PlantingDay = reader.ReadInteger();
        s.DepletionFraction = reader.ReadFloat();
        s.KySeason = reader.ReadFloat();
        for (double& ky : s.KyStage)
            ky = reader.ReadFloat();
        s.Timing = ReadOption(reader, TScheduleTiming::Never);
        s.TimingPercentOfRAW = reader.ReadFloat();
        s.TimingInterval = reader.ReadInteger();
        s.TimingDepletion = reader.ReadFloat();
        s.Application = ReadOption(reader, TScheduleApplication::RefillLessRoom);
        s.ApplicationDepth = reader.ReadFloat();
        s.RoomForRain = reader.ReadFloat();
        s.Efficiency = reader.ReadFloat();
    });
}

void TSchedule::Save(const std::string& fileName) const {
    SaveRecordFile(fileName, [this](TValueWriter& writer) { WriteData(writer); });
}

void TSchedule::WriteData(TValueWriter& writer) const {
    writer.WriteInteger(kCurrentVersion);
    Soil.WriteData(writer);
    writer.WriteString(CropFileName);
    writer.WriteInteger(PlantingDay);
    writer.WriteFloat(DepletionFraction);
    writer.WriteFloat(KySeason);
    for (double ky : KyStage)
        writer.WriteFloat(ky);
    writer.WriteInteger(static_cast<int>(Timing));
    writer.WriteFloat(TimingPercentOfRAW);
    writer.WriteInteger(TimingInterval);
    writer.WriteFloat(TimingDepletion);
    writer.WriteInteger(static_cast<int>(Application));
    writer.WriteFloat(ApplicationDepth);
    writer.WriteFloat(RoomForRain);
    writer.WriteFloat(Efficiency);
}
