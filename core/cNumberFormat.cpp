#include "core/cNumberFormat.h"

#include "core/cError.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace {

char separator = '.';

// Decimal digits and exponent of |value| to 15 significant digits: value = 0.d1d2...d15 * 10^exp.
struct TDecimal {
    std::string digits; // exactly 15 digits
    int exponent = 0;
};

TDecimal ToDecimal(double value) {
    // As printf's "%.14e", several times faster; the report formats thousands of cells.
    char text[40];
    const auto end = std::to_chars(text, text + sizeof text - 1, std::fabs(value),
                                   std::chars_format::scientific, 14);
    *end.ptr = '\0';
    TDecimal d;
    d.digits += text[0];
    d.digits.append(text + 2, 14);
    d.exponent = std::atoi(text + 17) + 1;
    return d;
}

} // namespace

void SetDecimalSeparator(char s) {
    separator = s;
}

char DecimalSeparator() {
    return separator;
}

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value))
        return kNoNumber;
    decimals = std::max(decimals, 0);
    // value = 0.<digits> * 10^exponent after rounding at the wanted decimal.
    std::string digits;
    int exponent = 0;
    if (value != 0) {
        TDecimal d = ToDecimal(value);
        exponent = d.exponent;
        const int keep = d.exponent + decimals;
        if (keep >= 0) {
            digits = d.digits.substr(0, std::min(keep, 15));
            digits.resize(keep, '0');
            if (keep < 15 && d.digits[keep] >= '5') {
                int i = keep - 1;
                while (i >= 0 && digits[i] == '9')
                    digits[i--] = '0';
                if (i >= 0) {
                    ++digits[i];
                } else {
                    digits.insert(digits.begin(), '1');
                    ++exponent;
                }
            }
        }
    }
    std::string intPart, fracPart;
    if (exponent <= 0) {
        intPart = "0";
        fracPart = std::string(-exponent, '0') + digits;
    } else {
        intPart = digits.substr(0, std::min<std::size_t>(exponent, digits.size()));
        intPart.resize(exponent, '0');
        if (digits.size() > static_cast<std::size_t>(exponent))
            fracPart = digits.substr(exponent);
    }
    fracPart.resize(decimals, '0');
    if (intPart.empty())
        intPart = "0";
    const bool zero = intPart.find_first_not_of('0') == std::string::npos &&
                      fracPart.find_first_not_of('0') == std::string::npos;
    std::string out = (value < 0 && !zero) ? "-" : "";
    out += intPart;
    if (decimals > 0) {
        out += separator;
        out += fracPart;
    }
    return out;
}

std::string FormatGeneral(double value) {
    if (!std::isfinite(value))
        return kNoNumber;
    if (value == 0)
        return "0";
    TDecimal d = ToDecimal(value);
    std::string digits = d.digits;
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    std::string out = value < 0 ? "-" : "";
    const int n = static_cast<int>(digits.size());
    if (d.exponent > 15 || d.exponent < -3) {
        // Scientific, as the general format does for very large or small magnitudes.
        out += digits[0];
        if (n > 1) {
            out += separator;
            out += digits.substr(1);
        }
        const int e = d.exponent - 1;
        out += e < 0 ? "E-" : "E+";
        out += std::to_string(std::abs(e));
        return out;
    }
    if (d.exponent <= 0) {
        out += '0';
        out += separator;
        out.append(-d.exponent, '0');
        out += digits;
    } else if (d.exponent >= n) {
        out += digits;
        out.append(d.exponent - n, '0');
    } else {
        out += digits.substr(0, d.exponent);
        out += separator;
        out += digits.substr(d.exponent);
    }
    return out;
}

double TextToNumber(const std::string& text) {
    std::string_view t = TrimBlanks(text);
    if (t.empty())
        return 0;
    std::string plain(t);
    if (plain.front() == '+')
        plain.erase(plain.begin());
    bool valid = !plain.empty();
    for (char& c : plain) {
        if (c == separator)
            c = '.';
        else if (c == '.' && separator != '.')
            valid = false; // only the locale's separator is a decimal point
    }
    double value = 0;
    if (valid) {
        const char* first = plain.data();
        const char* last = first + plain.size();
        auto [end, ec] = std::from_chars(first, last, value);
        valid = ec == std::errc() && end == last && std::isfinite(value);
    }
    if (!valid)
        throw TConversionError("'" + text + "' is not a valid floating point value");
    return value;
}

int TextToInt(const std::string& text) {
    std::string_view t = TrimBlanks(text);
    if (t.empty())
        return 0;
    if (t.front() == '+')
        t.remove_prefix(1);
    int value = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size())
        throw TConversionError("'" + text + "' is not a valid integer value");
    return value;
}

double ShownNumber(const std::string& text) {
    return text == kNoNumber ? std::numeric_limits<double>::quiet_NaN() : TextToNumber(text);
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}
