#include "data/cMeteo.h"

#include "core/cCalendar.h"
#include "core/cRecordFile.h"
#include "core/cValueStream.h"

namespace {
constexpr int kCurrentVersion = 0;
}

std::array<TYearData*, TMeteo::kSeriesCount> TMeteo::Series() {
    return {&Tmin, &Tmax, &Precipitation, &Sunshine, &RHmean, &RHmax, &WindSpeed, &WindRatio};
}

std::array<const TYearData*, TMeteo::kSeriesCount> TMeteo::Series() const {
    return {&Tmin, &Tmax, &Precipitation, &Sunshine, &RHmean, &RHmax, &WindSpeed, &WindRatio};
}

void TMeteo::Clear() {
    FileName.clear();
    WindHeight = 0;
    for (TYearData* series : Series())
        series->Fill(0);
}

bool TMeteo::Load(const std::string& fileName) {
    return LoadRecordFile(fileName, FileName,
                          [this](TValueReader& reader) { return ReadData(reader); });
}

bool TMeteo::ReadData(TValueReader& reader) {
    // The version is kept as found: every version so far holds the same values.
    return ReadRecordData(*this, [&reader](TMeteo& m) {
        m.Version = reader.ReadInteger();
        m.WindHeight = reader.ReadFloat();
        for (TYearData* series : m.Series())
            for (int d = 1; d <= kDaysInYear; ++d)
                series->SetDay(d, reader.ReadFloat());
    });
}

void TMeteo::Save(const std::string& fileName) const {
    SaveRecordFile(fileName, [this](TValueWriter& writer) { WriteData(writer); });
}

void TMeteo::WriteData(TValueWriter& writer) const {
    writer.WriteInteger(kCurrentVersion);
    writer.WriteFloat(WindHeight);
    for (const TYearData* series : Series())
        for (double value : series->Days())
            writer.WriteFloat(value);
}

double TMeteo::AnnualPrecipitation() const {
    return Precipitation.PeriodSum(1, kDaysInYear);
}
