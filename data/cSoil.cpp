#include "data/cSoil.h"

#include "core/cRecordFile.h"
#include "core/cValueStream.h"

namespace {
constexpr int kCurrentVersion = 1;
}

double TSoil::AvailableWaterPerMetre() const {
    return AvailableWaterGiven ? AvailableWater : 1000 * (FieldCapacity - WiltingPoint);
}

void TSoil::Clear() {
    FileName.clear();
    Description = "Loam";
    FieldCapacity = 0.25;
    WiltingPoint = 0.12;
    AvailableWaterGiven = false;
    AvailableWater = 130;
    InfiltrationRate = 360;
    InitialDepletion = 0;
}

bool TSoil::Load(const std::string& fileName) {
    return LoadRecordFile(fileName, FileName,
                          [this](TValueReader& reader) { return ReadData(reader); });
}

bool TSoil::ReadData(TValueReader& reader) {
    return ReadRecordData(*this, [&reader](TSoil& s) { s.ReadFields(reader); });
}

void TSoil::ReadFields(TValueReader& reader) {
    Version = reader.ReadInteger();
    Description = reader.ReadString();
    FieldCapacity = reader.ReadFloat();
    WiltingPoint = reader.ReadFloat();
    AvailableWaterGiven = reader.ReadBoolean();
    AvailableWater = reader.ReadFloat();
    InfiltrationRate = reader.ReadFloat();
    InitialDepletion = reader.ReadFloat();
}

void TSoil::Save(const std::string& fileName) const {
    SaveRecordFile(fileName, [this](TValueWriter& writer) { WriteData(writer); });
}

void TSoil::WriteData(TValueWriter& writer) const {
    writer.WriteInteger(kCurrentVersion);
    writer.WriteString(Description);
    writer.WriteFloat(FieldCapacity);
    writer.WriteFloat(WiltingPoint);
    writer.WriteBoolean(AvailableWaterGiven);
    writer.WriteFloat(AvailableWater);
    writer.WriteFloat(InfiltrationRate);
    writer.WriteFloat(InitialDepletion);
}
