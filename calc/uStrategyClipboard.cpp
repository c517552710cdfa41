#include "calc/uStrategyClipboard.h"

#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "data/cStrategyRatios.h"

#include <vector>

namespace {

std::string Line(const std::vector<std::string>& cells) {
    std::string line;
    for (const auto& cell : cells)
        line += cell + "\t";
    return line + "\r\n";
}

std::string GridText(const TStrategyGrid& grid) {
    std::string text = Line(grid.Titles) + Line(grid.Headings);
    for (const auto& row : grid.Rows)
        text += Line(row);
    text += Line(grid.Total);
    if (!grid.Average.empty())
        text += Line(grid.Average);
    return text;
}

template <class T>
const T* Pick(const std::vector<T>& list, int index) {
    return index >= 0 && index < static_cast<int>(list.size()) ? &list[index] : nullptr;
}

std::string SoilText(const TSoilPage& soil, const TGuiSettings& settings) {
    const std::string* soilName = Pick(SoilTypes(), soil.SoilIndex);
    const TFieldApplMethod* method = Pick(FieldApplMethodTable(), soil.FieldApplMethodIndex);
    const std::string* uniformity = Pick(UniformityClassNames(), soil.UniformityIndex);
    const std::string* pattern = Pick(DeliveryPatternNames(), soil.DeliveryPatternIndex);
    const std::string* regime = Pick(FlowRegimes(), soil.FlowRegimeIndex);
    const std::string length = settings.CurrentUnitLabel(QuantityKind::Length);
    const std::string rate = settings.CurrentUnitLabel(QuantityKind::DepthPerDay);
    auto rateLabel = [&](double r) {
        return settings.FormatValue(QuantityKind::DepthPerDay, r) + " " + rate;
    };

    std::string t;
    t += "Dominant soil type:  " + (soilName ? *soilName : "") + "\r\n";
    t += "\tFlow rate\tCapillary rise\r\n";
    t += "Heigth of capillary rise (" + length + ") for a flow rate of\t" + rateLabel(0.5) + "\t" +
         soil.CapillaryRise[0] + "\r\n";
    t += "\t" + rateLabel(1.0) + "\t" + soil.CapillaryRise[1] + "\r\n";
    t += "\t" + rateLabel(2.0) + "\t" + soil.CapillaryRise[2] + "\r\n";
    t += "\r\n";
    t += "Field Application Method:\t" + std::string(method ? method->Name : "") + "\r\n";
    t +=
        "Standard deviation\t" + (method ? FormatFixed(method->StandardDeviation, 2) : "") + "\r\n";
    t += "Field application ratio Ra for F = 10%\t" + (method ? FormatFixed(method->Ra, 2) : "") +
         "\r\n";
    t += "\r\n";
    t += "Water Delivery:\r\n";
    t += "Uniformity\t" + (uniformity ? *uniformity : "") + "\r\n";
    t += "Standard deviation\t" +
         (uniformity ? FormatFixed(UniformityOf(soil.UniformityIndex), 1) : "") + "\r\n";
    t += "Delivery pattern\t" + (pattern ? *pattern : "") + "\r\n";
    t += "Part of the area F where water\r\n";
    t += "shortage is acceptable (%)\t" +
         (pattern ? FormatGeneral(ShortageOf(soil.DeliveryPatternIndex)) : "") + "\r\n";
    t += "Water delivery ratio Rd\t" + soil.DeliveryRatio + "\r\n";
    t += "\r\n";
    t += "Water conveyance:\r\n";
    t += "Flow regime in canals\t" + (regime ? *regime : "") + "\r\n";
    t += "Size of irrigable area (" + settings.CurrentUnitLabel(QuantityKind::Area) + ")\t" +
         soil.IrrigableArea + "\r\n";
    t += "Conveyance Ratio Rc\t" + soil.ConveyRatio + "\r\n";
    return t;
}

} // namespace

std::string StrategyClipboardText(const TStrategyModel& model, TStrategyPage page,
                                  const TGuiSettings& settings) {
    switch (page) {
    case TStrategyPage::WaterBalance:
        return "";
    case TStrategyPage::DataInput:
        return GridText(model.DataInput());
    case TStrategyPage::WaterBalanceStrategy:
        return GridText(model.WaterBalanceStrategy());
    case TStrategyPage::InputETa:
        return GridText(model.InputETa());
    case TStrategyPage::Soil:
        return SoilText(model.Soil(), settings);
    case TStrategyPage::WaterRequirementET: {
        const TWaterRequirementPage& wr = model.WaterRequirement();
        std::string t;
        t += "Field application ratio\t" + wr.RaRatio + "\r\n";
        t += "Water delivery ratio\t" + wr.DeliveryRatio + "\r\n";
        t += "Conveyance Ratio\t" + wr.ConveyRatio + "\r\n";
        t += "Dominant soil type\t" + wr.SoilType + "\r\n";
        t += "Depth to groundwater table on 1 January (" +
             settings.CurrentUnitLabel(QuantityKind::Length) + ")\t" + wr.DepthGW1Jan + "\r\n";
        return t + GridText(wr.Grid);
    }
    case TStrategyPage::Comparison:
        return GridText(model.Comparison());
    }
    return "";
}
