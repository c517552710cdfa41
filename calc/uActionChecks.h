#pragma once

#include "core/cUserMessages.h"

#include <functional>
#include <optional>
#include <string>

class TAllData;

// The checks the main window runs before the cropping pattern editor, the report and the strategy
// window: each stops at the first missing or invalid data set and tells the user which one.

// The meteo editor's full range check; it sets Meteo.DataValid. ValidateMeteoRecord checks the
// record as the editor would show it.
using TValidateMeteo = std::function<void(TAllData&)>;

// Why an action cannot run: the message the user is shown, with an OK button.
struct TActionRefusal {
    TMessageKind Kind;
    std::string Text;
};

// The first refusal of each action, or none when everything it needs stands; nothing is shown.
std::optional<TActionRefusal> CropPatternActionRefusal(TAllData& data,
                                                       const TValidateMeteo& validateMeteo);
std::optional<TActionRefusal> ReportActionRefusal(TAllData& data,
                                                  const TValidateMeteo& validateMeteo);
std::optional<TActionRefusal> StrategyActionRefusal(TAllData& data,
                                                    const TValidateMeteo& validateMeteo);

// Shows the refusal, if there is one; true when there is none.
bool ShowRefusal(const std::optional<TActionRefusal>& refusal);

// The check and its message in one; true when the action may run.
bool CheckCropPatternAction(TAllData& data, const TValidateMeteo& validateMeteo);
bool CheckReportAction(TAllData& data, const TValidateMeteo& validateMeteo);
bool CheckStrategyAction(TAllData& data, const TValidateMeteo& validateMeteo);
