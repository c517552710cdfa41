#include "calc/uAxisSteps.h"

#include <cmath>
#include <initializer_list>

double RoundAxisStep(double span, int steps) {
    const double rough = span / (steps > 0 ? steps : 1);
    if (!(rough > 0) || !std::isfinite(rough))
        return 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 2.5, 5.0})
        if (factor * magnitude >= rough * (1 - 1e-9))
            return factor * magnitude;
    return 10 * magnitude;
}

int AxisStepDecimals(double step) {
    int decimals = 0;
    while (decimals < 6 && std::fabs(step * std::pow(10.0, decimals) -
                                     std::round(step * std::pow(10.0, decimals))) > 1e-6)
        ++decimals;
    return decimals;
}
