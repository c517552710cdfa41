#include "data/cCropFactor.h"

#include "core/cRecordFile.h"
#include "core/cValueStream.h"

#include <algorithm>
#include <climits>

namespace {
constexpr int kCurrentVersion = 1;
}

int TCropFactor::GrowingPeriod() const {
    // Stage lengths come from files unchecked: their sum must not overflow.
    const long long total = 0LL + StageLength[0] + StageLength[1] + StageLength[2] + StageLength[3];
    return static_cast<int>(std::clamp<long long>(total, INT_MIN, INT_MAX));
}

void TCropFactor::Clear() {
    FileName.clear();
    Description.clear();
    StandardKc = false;
    Kc1 = {};
    Kc2 = {};
    Kc3 = {};
    Kc4 = {};
    RootingDepth = 0;
    StageLength = {};
}

bool TCropFactor::Load(const std::string& fileName) {
    return LoadRecordFile(fileName, FileName,
                          [this](TValueReader& reader) { return ReadData(reader); });
}

bool TCropFactor::ReadData(TValueReader& reader) {
    return ReadRecordData(*this, [&reader](TCropFactor& c) {
        c.Version = reader.ReadInteger();
        c.Description = reader.ReadString();
        c.StandardKc = reader.ReadBoolean();
        // Version 0 also stored the computed entries of Kc,1 and Kc,2; they are read past.
        c.Kc1[0] = reader.ReadFloat();
        if (c.Version == 0)
            reader.ReadFloat();
        c.Kc2[0] = reader.ReadFloat();
        if (c.Version == 0)
            reader.ReadFloat();
        c.Kc1[1] = 0;
        c.Kc2[1] = 0;
        c.Kc3[0] = reader.ReadFloat();
        c.Kc3[1] = reader.ReadFloat();
        c.Kc4[0] = reader.ReadFloat();
        c.Kc4[1] = reader.ReadFloat();
        c.RootingDepth = reader.ReadFloat();
        for (int& days : c.StageLength)
            days = reader.ReadInteger();
    });
}

void TCropFactor::Save(const std::string& fileName) const {
    SaveRecordFile(fileName, [this](TValueWriter& writer) { WriteData(writer); });
}

void TCropFactor::WriteData(TValueWriter& writer) const {
    writer.WriteInteger(kCurrentVersion);
    writer.WriteString(Description);
    writer.WriteBoolean(StandardKc);
    writer.WriteFloat(Kc1[0]);
    writer.WriteFloat(Kc2[0]);
    writer.WriteFloat(Kc3[0]);
    writer.WriteFloat(Kc3[1]);
    writer.WriteFloat(Kc4[0]);
    writer.WriteFloat(Kc4[1]);
    writer.WriteFloat(RootingDepth);
    for (int days : StageLength)
        writer.WriteInteger(days);
}
