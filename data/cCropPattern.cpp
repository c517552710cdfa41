#include "data/cCropPattern.h"

#include "core/cError.h"
#include "core/cRecordFile.h"
#include "core/cValueStream.h"

namespace {
constexpr int kCurrentVersion = 1;
}

TCropPattern::TCropPattern(const TCropPattern& other)
    : Version(other.Version), FileName(other.FileName), KcFallow(other.KcFallow),
      KcPermanent(other.KcPermanent), CurrentLine(other.CurrentLine),
      ETPermanent(other.ETPermanent), ETFallow(other.ETFallow) {
    lines.reserve(other.lines.size());
    for (const auto& line : other.lines)
        lines.push_back(std::make_unique<TCropPatternLine>(*line));
}

TCropPattern& TCropPattern::operator=(const TCropPattern& other) {
    if (this != &other)
        *this = TCropPattern(other);
    return *this;
}

TCropPatternLine& TCropPattern::AddCropLine() {
    lines.push_back(std::make_unique<TCropPatternLine>());
    return *lines.back();
}

void TCropPattern::DeleteCropLine(int i) {
    lines.erase(lines.begin() + (i - 1));
}

double TCropPattern::TotalArea() const {
    double total = 0;
    for (const auto& line : lines)
        total += line->Area;
    return total;
}

double TCropPattern::CroppedAreaInPeriod(int period, int length) const {
    double area = 0;
    for (int i = 1; i <= Count(); ++i)
        area += CroppedAreaOfLine(i, period, length);
    return area;
}

double TCropPattern::CroppedAreaOfLine(int i, int period, int length) const {
    const TCropPatternLine& line = GetCropLine(i);
    return line.KcSeries.GetPeriod(period, length) > 0 ? line.Area : 0;
}

void TCropPattern::Clear() {
    FileName.clear();
    while (!lines.empty())
        lines.pop_back();
}

bool TCropPattern::Load(const std::string& fileName) {
    return LoadRecordFile(fileName, FileName,
                          [this](TValueReader& reader) { return ReadData(reader); });
}

bool TCropPattern::ReadData(TValueReader& reader) {
    return ReadRecordData(*this, [&reader](TCropPattern& p) {
        p.Version = reader.ReadInteger();
        if (p.Version < 1) {
            p.KcFallow = 0;
            p.KcPermanent = 0;
        } else {
            p.KcFallow = reader.ReadFloat();
            p.KcPermanent = reader.ReadFloat();
        }
        reader.ReadListBegin();
        p.lines.clear();
        while (!reader.EndOfList()) {
            if (p.Count() == kMaxCrops)
                throw TStreamError("A cropping pattern holds at most 40 crops");
            p.AddCropLine().ReadData(reader);
        }
        reader.ReadListEnd();
    });
}

void TCropPattern::Save(const std::string& fileName) const {
    SaveRecordFile(fileName, [this](TValueWriter& writer) { WriteData(writer); });
}

void TCropPattern::WriteData(TValueWriter& writer) const {
    writer.WriteInteger(kCurrentVersion);
    writer.WriteFloat(KcFallow);
    writer.WriteFloat(KcPermanent);
    writer.WriteListBegin();
    for (const auto& line : lines)
        line->WriteData(writer);
    writer.WriteListEnd();
}
