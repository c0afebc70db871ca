#include "storage/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zizaza {

int64_t RoundHalfUp(double x) {
    double t = std::trunc(x);
    double f = x - t;
    return static_cast<int64_t>(f >= 0.5 ? t + 1 : t);
}

double RoundTo2(double x) {
    double y = x * 100;
    return static_cast<double>(RoundHalfUp(y)) / 100;
}

std::string WholeMoneyToText(Money v) {
    std::string text = v.ToText('.');
    return text.size() > 15 ? "999999999999999" : text;
}

std::string MoneyToText2(Money v) {
    if (v < Money())
        v = Money();
    int64_t raw = v.raw();
    auto fraction = static_cast<int>(raw % Money::kScale);
    char digits[3] = {static_cast<char>('0' + fraction / 1000), static_cast<char>('0' + fraction / 100 % 10), 0};
    std::string text = std::to_string(raw / Money::kScale) + "." + digits;
    return text.size() > 15 ? "999999999999.99" : text;
}

std::string RealToDotText(double x) {
    double n = static_cast<double>(RoundHalfUp(x * 10000));
    return GeneralFloatText(n / 10000, '.');
}

std::string GeneralFloatText(double x, char decimalSeparator) {
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x > 0 ? "INF" : "-INF";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", x);
    std::string s(buf);
    auto e = s.find('E');
    std::string mantissa = e == std::string::npos ? s : s.substr(0, e);
    std::string exponent;
    if (e != std::string::npos) {
        // "1.5E-05" becomes "1.5E-5", "1E+20" becomes "1E20".
        std::string ex = s.substr(e + 1);
        bool negative = !ex.empty() && ex[0] == '-';
        size_t i = (!ex.empty() && (ex[0] == '-' || ex[0] == '+')) ? 1 : 0;
        while (i + 1 < ex.size() && ex[i] == '0')
            ++i;
        exponent = std::string("E") + (negative ? "-" : "") + ex.substr(i);
    }
    for (char& c : mantissa)
        if (c == '.')
            c = decimalSeparator;
    if (mantissa == "-0")
        mantissa = "0";
    return mantissa + exponent;
}

std::optional<double> ParseFloat(std::string_view text, char decimalSeparator) {
    size_t i = 0, end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    std::string normal;
    size_t digits = 0;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        normal += text[i++];
    while (i < end && std::isdigit(static_cast<unsigned char>(text[i]))) {
        normal += text[i++];
        ++digits;
    }
    if (i < end && text[i] == decimalSeparator) {
        normal += '.';
        ++i;
        while (i < end && std::isdigit(static_cast<unsigned char>(text[i]))) {
            normal += text[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        normal += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            normal += text[i++];
        size_t expDigits = 0;
        while (i < end && std::isdigit(static_cast<unsigned char>(text[i]))) {
            normal += text[i++];
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;
    char* stop = nullptr;
    double v = std::strtod(normal.c_str(), &stop);
    if (stop != normal.c_str() + normal.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<int64_t> ParseInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i + 1 < text.size() && text[i] == '+' && text[i + 1] != '-')
        ++i;
    int64_t v = 0;
    auto [p, ec] = std::from_chars(text.data() + i, text.data() + text.size(), v);
    if (ec != std::errc() || p != text.data() + text.size() || p == text.data() + i)
        return std::nullopt;
    return v;
}

}  // namespace zizaza
