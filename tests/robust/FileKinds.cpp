#include "FileKinds.h"

#include "core/cValueStream.h"
#include "data/cAllData.h"
#include "data/cSchedule.h"

#include <memory>

namespace {

template <class TRecord>
TFileKind Kind(const std::string& name, const std::string& text,
               std::function<void(TRecord&, int)> fill) {
    auto record = std::make_shared<TRecord>();
    return {name,
            text,
            [fill](const std::string& path, int variant) {
                TRecord r;
                fill(r, variant);
                r.Save(path);
            },
            [record](const std::string& path) { return record->Load(path); },
            [record](const std::string& bytes) {
                TValueReader reader(bytes);
                return record->ReadData(reader);
            },
            [record] {
                TValueWriter writer;
                record->WriteData(writer);
                return writer.Bytes();
            }};
}

void FillCrop(TCropFactor& c, int variant) {
    c.Description = "Maize";
    c.Kc1 = {0.3 + 0.1 * variant, 0};
    c.Kc2 = {0.7, 0};
    c.Kc3 = {1.15, 1.15};
    c.Kc4 = {0.6, 0.6};
    c.RootingDepth = 1;
    c.StageLength = {20, 35, 40 + variant, 30};
}

} // namespace

std::vector<TFileKind> FileKinds(const std::string& cropFolder) {
    TCropFactor crop;
    FillCrop(crop, 0);
    crop.Save(cropFolder + "/Maize.udc");
    FillCrop(crop, 1);
    crop.Save(cropFolder + "/Cotton.crp");
    return {
        Kind<TGuiSettings>("quelta.INI", "",
                           [](TGuiSettings& s, int v) { s.LengthUnit = s.VolumeUnit = v; }),
        Kind<TGeneral>("site.gen", "Spain",
                       [](TGeneral& g, int v) {
                           g.Clear();
                           g.Country = "Spain";
                           g.Region = v ? "Guadalquivir" : "Genil";
                           g.Latitude = 37.25 + v;
                           g.IrrigableArea = 1000;
                       }),
        Kind<TMeteo>("site.mtf", "",
                     [](TMeteo& m, int v) {
                         m.WindHeight = 2;
                         for (int d = 1; d <= 365; ++d)
                             m.Tmax.SetDay(d, 20 + v + d % 7);
                     }),
        Kind<TCropFactor>("crop.udc", "Maize", FillCrop),
        Kind<TCropPattern>("crops.pat", cropFolder + "/Maize.udc",
                           [cropFolder](TCropPattern& p, int v) {
                               p.KcFallow = 0.2 + 0.1 * v;
                               for (const char* file : {"/Maize.udc", "/Cotton.crp"}) {
                                   TCropPatternLine& line = p.AddCropLine();
                                   line.Area = 100 + v;
                                   line.PlantingDay = 90;
                                   line.CropFileName = cropFolder + file;
                               }
                           }),
        Kind<TStrategy>("plan.str", "Loam",
                        [](TStrategy& s, int v) {
                            s.Clear();
                            s.SoilType = "Loam";
                            s.DFcrit = 0.5 + 0.1 * v;
                            s.DFUser.Fill(0.4 + 0.1 * v);
                        }),
        Kind<TSoil>("clay.soi", "Clay",
                    [](TSoil& s, int v) {
                        s.Clear();
                        s.Description = "Clay";
                        s.InfiltrationRate = 72 + v;
                    }),
        Kind<TSchedule>("maize.sch", "Maize.crp",
                        [](TSchedule& s, int v) {
                            s.Clear();
                            s.CropFileName = "Maize.crp";
                            s.PlantingDay = 105 + v;
                            s.KyStage = {0.4, 0.4, 1.5, 0.2 * v};
                        }),
    };
}
