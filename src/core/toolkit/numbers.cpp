// Reading, testing and formatting Brazilian number text.
#include "core/toolkit/numbers.hpp"

#include <array>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

#include <locale.h>

#include "core/toolkit/error.hpp"

namespace corvana::toolkit {

namespace {

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool isBlank(char ch) { return ch == ' ' || ch == '\t'; }

locale_t cLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// Writes, in order, the digits, "," and "-" of the text into `out` (room for text.size()
// characters) and gives back how many there are.
size_t keepNumberChars(std::string_view text, char* out) {
    size_t n = 0;
    for (const char ch : text)
        if (isDigit(ch) || ch == ',' || ch == '-') out[n++] = ch;
    return n;
}

struct Mask {
    int minInt = 0;
    int required = 0;
    int optional = 0;
    bool thousands = false;
};

Mask parseMask(std::string_view mask) {
    if (const size_t semi = mask.find(';'); semi != std::string_view::npos) mask = mask.substr(0, semi);
    Mask m;
    bool afterPoint = false;
    for (const char ch : mask) {
        if (ch == '.') {
            afterPoint = true;
        } else if (!afterPoint) {
            if (ch == '0') ++m.minInt;
            if (ch == ',') m.thousands = true;
        } else {
            if (ch == '0') m.required += 1 + m.optional, m.optional = 0;
            if (ch == '#') ++m.optional;
        }
    }
    return m;
}


constexpr int kSignificant = 18;

// The 18 digits as "%.17Le" gives them (the slow way, for values the exact expansion below
// does not reach). False when the value is zero.
bool eighteenDigitsByPrintf(Real positive, char* digits, int& exponent) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", positive);
    int n = 0;
    bool nonZero = false;
    const char* p = buf;
    for (; *p != '\0' && *p != 'e'; ++p) {
        if (isDigit(*p) && n < kSignificant) {
            nonZero = nonZero || *p != '0';
            digits[n++] = *p;
        }
    }
    while (n < kSignificant) digits[n++] = '0';
    exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    return nonZero;
}

// A whole number of up to 640 bits, least significant 64 bits first.
struct WideNumber {
    static constexpr int kLimbs = 10;
    unsigned long long limb[kLimbs] = {};
    int used = 1;

    // Multiplies by f; false when the product does not fit.
    bool multiply(unsigned long long f) {
        unsigned long long carry = 0;
        for (int i = 0; i < used; ++i) {
            const unsigned __int128 p = static_cast<unsigned __int128>(limb[i]) * f + carry;
            limb[i] = static_cast<unsigned long long>(p);
            carry = static_cast<unsigned long long>(p >> 64);
        }
        if (carry == 0) return true;
        if (used == kLimbs) return false;
        limb[used++] = carry;
        return true;
    }
    // Divides by d and gives back the remainder.
    unsigned long long divide(unsigned long long d) {
        unsigned long long rem = 0;
        for (int i = used; i-- > 0;) {
            const unsigned __int128 cur = (static_cast<unsigned __int128>(rem) << 64) | limb[i];
            limb[i] = static_cast<unsigned long long>(cur / d);
            rem = static_cast<unsigned long long>(cur % d);
        }
        while (used > 1 && limb[used - 1] == 0) --used;
        return rem;
    }
    bool isZero() const { return used == 1 && limb[0] == 0; }
};

constexpr unsigned long long kTen9 = 1000000000ULL;
constexpr unsigned long long kTen18 = kTen9 * kTen9;

// 10^0 to 10^19, all below 2^64.
constexpr std::array<unsigned long long, 20> kTenPowers = [] {
    std::array<unsigned long long, 20> p{};
    p[0] = 1;
    for (size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
}();

// Writes a whole number below 10^9 as its 9 digits, leading zeros included.
void putNine(unsigned v, char* out) {
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    for (int i = 8; i >= 2; i -= 2) {
        const unsigned pair = v % 100;
        v /= 100;
        out[i] = kPairs[2 * pair + 1];
        out[i - 1] = kPairs[2 * pair];
    }
    out[0] = static_cast<char>('0' + v);
}

// The common case of eighteenDigits, for m × 2^e between about 0,1 and 10^19, where
// 2^(e2-1) ≤ value < 2^e2: with p = 18 - ⌊(e2 - 1)·log10 2⌋ (one less when that gives 20
// digits), value × 10^p = m × 10^p × 2^e is computed exactly in 128 bits, and its whole part
// has 19 digits: the 18 digits and the rounding digit; the bits below only say whether a 5
// there is more than a half. False when the value is outside that range.
bool eighteenDigitsNarrow(unsigned long long m, int e, int e2, char* digits, int& exponent) {
    const int low = ((e2 - 1) * 78913) >> 18;  // ⌊(e2 - 1)·log10 2⌋ ≤ the decimal exponent
    if (low < -1 || low > 18) return false;
    unsigned long long whole = 0;
    bool fraction = false;
    for (int p = 18 - low;; --p) {
        if (p < 0) return false;
        const unsigned __int128 x = static_cast<unsigned __int128>(m) * kTenPowers[static_cast<size_t>(p)];
        // value × 10^p < 10^20 < 2^67: shifting left loses no bit.
        const unsigned __int128 w = e >= 0 ? x << e : x >> -e;  // -e ≤ 66 in this range
        if (w >= static_cast<unsigned __int128>(kTen18) * 10) continue;  // 20 digits: one place less
        whole = static_cast<unsigned long long>(w);
        fraction = e < 0 && (x & ((static_cast<unsigned __int128>(1) << -e) - 1)) != 0;
        exponent = 18 - p;
        break;
    }
    unsigned long long top = whole / 10;
    const auto roundDigit = static_cast<unsigned>(whole % 10);
    if (roundDigit > 5 || (roundDigit == 5 && (fraction || top % 2 == 1))) ++top;
    if (top == kTen18) {
        top = kTen18 / 10;
        ++exponent;
    }
    putNine(static_cast<unsigned>(top / kTen9), digits);
    putNine(static_cast<unsigned>(top % kTen9), digits + 9);
    return true;
}

// The 18 significant digits of a finite value ≥ 0, correctly rounded with ties to even, and
// the decimal exponent of the first digit: the same digits and exponent as "%.17Le" (zero
// gives eighteen zeros and exponent 0, and false). The value is m × 2^e with a whole m of 64
// bits, so its decimal digits are those of the whole number m × 2^e (e ≥ 0), or of m × 5^k
// with the decimal point k places from the right (e = -k): computed exactly, never estimated.
bool eighteenDigits(Real positive, char* digits, int& exponent) {
    static_assert(std::numeric_limits<Real>::radix == 2);
    if constexpr (std::numeric_limits<Real>::digits != 64) {
        return eighteenDigitsByPrintf(positive, digits, exponent);
    } else {
        if (positive == 0) {
            std::memset(digits, '0', kSignificant);
            exponent = 0;
            return false;
        }
        int e2 = 0;
        const Real fraction = std::frexp(positive, &e2);  // positive = fraction × 2^e2
        auto mantissa = static_cast<unsigned long long>(std::ldexp(fraction, 64));
        int e = e2 - 64;
        const int zeros = std::countr_zero(mantissa);
        mantissa >>= zeros;
        e += zeros;
        if (eighteenDigitsNarrow(mantissa, e, e2, digits, exponent)) return true;

        WideNumber n;
        n.limb[0] = mantissa;
        int pointShift = 0;  // the decimal point's distance from the right of n's digits
        if (e >= 0) {
            const int whole = e / 64, bits = e % 64;
            if (whole + 2 > WideNumber::kLimbs) return eighteenDigitsByPrintf(positive, digits, exponent);
            n.limb[0] = 0;
            n.limb[whole] = mantissa << bits;
            n.limb[whole + 1] = bits == 0 ? 0 : mantissa >> (64 - bits);
            n.used = n.limb[whole + 1] != 0 ? whole + 2 : whole + 1;
        } else {
            constexpr unsigned long long kFive27 = 7450580596923828125ULL;  // 5^27
            int k = -e;
            pointShift = k;
            for (; k >= 27; k -= 27)
                if (!n.multiply(kFive27)) return eighteenDigitsByPrintf(positive, digits, exponent);
            unsigned long long rest = 1;
            for (; k > 0; --k) rest *= 5;
            if (!n.multiply(rest)) return eighteenDigitsByPrintf(positive, digits, exponent);
        }

        // All decimal digits of n, most significant first.
        char text[WideNumber::kLimbs * 20 + 20];
        int end = static_cast<int>(sizeof text), start = end;
        while (!n.isZero()) {
            unsigned long long chunk = n.divide(kTenPowers[19]);
            const bool lastChunk = n.isZero();
            for (int d = 0; d < 19 && (!lastChunk || chunk != 0); ++d) {
                text[--start] = static_cast<char>('0' + chunk % 10);
                chunk /= 10;
            }
        }
        const int count = end - start;
        const char* all = text + start;
        exponent = count - 1 - pointShift;
        if (count <= kSignificant) {
            std::memcpy(digits, all, static_cast<size_t>(count));
            std::memset(digits + count, '0', static_cast<size_t>(kSignificant - count));
            return true;
        }
        std::memcpy(digits, all, kSignificant);
        // Round at the 18th digit, ties to even.
        bool up = all[kSignificant] > '5';
        if (all[kSignificant] == '5') {
            bool beyond = false;
            for (int i = kSignificant + 1; i < count && !beyond; ++i) beyond = all[i] != '0';
            up = beyond || ((digits[kSignificant - 1] - '0') % 2 == 1);
        }
        if (!up) return true;
        int i = kSignificant - 1;
        for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';
            ++exponent;
        }
        return true;
    }
}

// A text "[blanks][-+]digits[,digits][blanks]" whose significant digits make a whole number D
// below 2^64 with at most 27 decimals: D and 10^decimals are both exact in the 64-bit
// mantissa, so the one division D / 10^decimals is correctly rounded, the very value strtold
// gives. Anything else (more digits, an exponent, no digit, other characters) is left to the
// full reader.
std::optional<Real> quickDecimal(std::string_view text) {
    if constexpr (std::numeric_limits<Real>::digits != 64) {
        return std::nullopt;
    } else {
        static constexpr auto kPowers = [] {
            std::array<Real, 28> p{};
            p[0] = 1;
            for (size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
            return p;
        }();
        const size_t n = text.size();
        size_t p = 0;
        while (p < n && isBlank(text[p])) ++p;
        bool negative = false;
        if (p < n && (text[p] == '-' || text[p] == '+')) negative = text[p++] == '-';
        unsigned long long whole = 0;
        int significant = 0, decimals = 0, pendingZeros = 0, digits = 0;
        for (; p < n && isDigit(text[p]); ++p, ++digits) {
            const unsigned digit = static_cast<unsigned>(text[p] - '0');
            if (whole == 0 && digit == 0) continue;
            if (++significant > 19) return std::nullopt;
            whole = whole * 10 + digit;
        }
        if (p < n && text[p] == ',') {
            for (++p; p < n && isDigit(text[p]); ++p, ++digits) {
                const unsigned digit = static_cast<unsigned>(text[p] - '0');
                // Trailing decimal zeros change nothing: they only count once a later digit
                // needs them.
                if (digit == 0) {
                    ++pendingZeros;
                    continue;
                }
                for (; pendingZeros > 0; --pendingZeros) {
                    if (whole != 0 && ++significant > 19) return std::nullopt;
                    whole *= 10;
                    ++decimals;
                }
                if (++significant > 19) return std::nullopt;
                whole = whole * 10 + digit;
                ++decimals;
            }
        }
        while (p < n && isBlank(text[p])) ++p;
        if (p != n || digits == 0 || decimals >= static_cast<int>(kPowers.size())) return std::nullopt;
        const Real value = static_cast<Real>(whole) / kPowers[static_cast<size_t>(decimals)];
        return negative ? -value : value;
    }
}

}  // namespace

bool checkinteiro(std::string_view text) {
    for (const char ch : text)
        if (isDigit(ch)) return true;
    return false;
}

std::string RemoveChar(std::string_view text) {
    std::string out;
    for (const char ch : text)
        if (isDigit(ch) || ch == '/') out.push_back(ch);
    return out;
}

std::string RemoveCharDta(std::string_view text) {
    std::string out;
    for (const char ch : text)
        if (isDigit(ch)) out.push_back(ch);
    return out;
}

Real StrToFloat(std::string_view text) {
    if (const auto quick = quickDecimal(text)) return *quick;
    size_t p = 0;
    const size_t n = text.size();
    while (p < n && isBlank(text[p])) ++p;
    std::string c;  // the number in C form
    if (p < n && (text[p] == '-' || text[p] == '+')) c.push_back(text[p++]);
    size_t digits = 0;
    while (p < n && isDigit(text[p])) c.push_back(text[p++]), ++digits;
    if (p < n && text[p] == ',') {
        c.push_back('.');
        ++p;
        while (p < n && isDigit(text[p])) c.push_back(text[p++]), ++digits;
    }
    if (digits == 0) throw ConversionError::notNumber(std::string(text));
    if (p < n && (text[p] == 'e' || text[p] == 'E')) {
        c.push_back('e');
        ++p;
        if (p < n && (text[p] == '-' || text[p] == '+')) c.push_back(text[p++]);
        size_t expDigits = 0;
        while (p < n && isDigit(text[p])) c.push_back(text[p++]), ++expDigits;
        if (expDigits == 0) throw ConversionError::notNumber(std::string(text));
    }
    while (p < n && isBlank(text[p])) ++p;
    if (p != n) throw ConversionError::notNumber(std::string(text));
    errno = 0;
    const Real value = strtold_l(c.c_str(), nullptr, cLocale());
    if (std::isinf(value)) throw ConversionError::notNumber(std::string(text));
    return value;
}

long long StrToInt(std::string_view text) {
    size_t p = 0;
    const size_t n = text.size();
    while (p < n && isBlank(text[p])) ++p;
    bool negative = false;
    if (p < n && (text[p] == '-' || text[p] == '+')) negative = text[p++] == '-';
    if (p == n) throw ConversionError::notInteger(std::string(text));
    unsigned long long value = 0;
    for (; p < n; ++p) {
        if (!isDigit(text[p])) throw ConversionError::notInteger(std::string(text));
        value = value * 10 + static_cast<unsigned>(text[p] - '0');
        if (value > static_cast<unsigned long long>(std::numeric_limits<long long>::max()))
            throw ConversionError::notInteger(std::string(text));
    }
    return negative ? -static_cast<long long>(value) : static_cast<long long>(value);
}

Real RemovePonto(RemovePontoVariant variant, std::string_view text) {
    char small[64];
    std::string large;
    char* buffer = small;
    if (text.size() > sizeof small) {
        large.resize(text.size());
        buffer = large.data();
    }
    const std::string_view kept(buffer, keepNumberChars(text, buffer));
    try {
        switch (variant) {
            case RemovePontoVariant::Shared: {
                // Characters after the first comma are numbered from 1: from number 9 on they
                // are cut, and a later comma only survives as number 1. The cut text is never
                // longer than the kept one, so it is written over it.
                char* cut = buffer;
                size_t length = 0;
                int number = 0;
                bool afterComma = false;
                for (const char ch : kept) {
                    if (!afterComma) {
                        cut[length++] = ch;
                        afterComma = ch == ',';
                        continue;
                    }
                    ++number;
                    if (number >= 9) continue;
                    if (ch == ',' && number != 1) continue;
                    cut[length++] = ch;
                }
                const std::string_view cutText(cut, length);
                if (!checkinteiro(cutText)) return 0;
                return StrToFloat(cutText);
            }
            case RemovePontoVariant::Strict:
                return StrToFloat(kept);
            case RemovePontoVariant::Lenient:
                if (!checkinteiro(kept)) return 0;
                return StrToFloat(kept);
        }
    } catch (const ConversionError&) {
        throw ConversionError::notNumber(std::string(text));
    }
    return 0;
}

std::string formatfloatx(std::string_view mask, Real value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    const Mask m = parseMask(mask);
    const int maxDec = m.required + m.optional;

    // The 18 significant digits of |value|, correctly rounded (ties to even), and the
    // decimal exponent of the first one.
    char digits[kSignificant];
    int exponent = 0;
    const bool zero = !eighteenDigits(std::fabs(value), digits, exponent);

    // value × 10^maxDec as a whole number, rounded half away from zero: its digits without
    // leading zeros (none at all for zero), with one place in front for a carry.
    const long keep = zero ? -1 : static_cast<long>(exponent) + 1 + maxDec;
    char small[64];
    std::string large;
    char* scaled = small + 1;
    size_t len = 0;
    if (keep >= kSignificant) {
        if (static_cast<size_t>(keep) + 1 > sizeof small) {
            large.resize(static_cast<size_t>(keep) + 1);
            scaled = large.data() + 1;
        }
        std::memcpy(scaled, digits, kSignificant);
        std::memset(scaled + kSignificant, '0', static_cast<size_t>(keep) - kSignificant);
        len = static_cast<size_t>(keep);
    } else if (keep >= 0) {
        std::memcpy(scaled, digits, static_cast<size_t>(keep));
        len = static_cast<size_t>(keep);
        if (digits[keep] >= '5') {
            size_t k = len;
            while (k > 0 && scaled[k - 1] == '9') scaled[--k] = '0';
            if (k > 0) {
                ++scaled[k - 1];
            } else {
                *--scaled = '1';
                ++len;
            }
        }
    }
    while (len > 0 && *scaled == '0') ++scaled, --len;
    const bool allZero = len == 0;

    // The whole part (at least minInt digits) and the decimals without the trailing zeros the
    // mask does not ask for; decimals beyond the digits are leading zeros.
    const size_t decimals = static_cast<size_t>(maxDec);
    const size_t intLen = len > decimals ? len - decimals : 0;
    size_t fracLen = decimals;
    const auto fracDigit = [&](size_t i) {  // decimal i (from 0) of the scaled digits
        const size_t fromRight = decimals - i;  // 1 for the last decimal
        return fromRight <= len ? scaled[len - fromRight] : '0';
    };
    while (fracLen > static_cast<size_t>(m.required) && fracDigit(fracLen - 1) == '0') --fracLen;
    const size_t pad = intLen < static_cast<size_t>(m.minInt) ? static_cast<size_t>(m.minInt) - intLen : 0;
    const size_t intDigits = pad + intLen;
    const size_t points = m.thousands && intDigits > 0 ? (intDigits - 1) / 3 : 0;
    const bool minus = value < 0 && !allZero;

    std::string out(static_cast<size_t>(minus) + intDigits + points + (fracLen > 0 ? fracLen + 1 : 0), '0');
    char* o = out.data();
    if (minus) *o++ = '-';
    for (size_t k = 0; k < intDigits; ++k) {
        if (points > 0 && k > 0 && (intDigits - k) % 3 == 0) *o++ = '.';
        *o++ = k < pad ? '0' : scaled[k - pad];
    }
    if (fracLen > 0) {
        *o++ = ',';
        for (size_t i = 0; i < fracLen; ++i) *o++ = fracDigit(i);
    }
    return out;
}

std::string formatafloat(std::string_view mask, std::string_view boxText) {
    const std::string digits = RemoveCharDta(boxText.empty() ? std::string_view("0,00") : boxText);
    Real whole = 0;
    if (!digits.empty()) whole = strtold_l(digits.c_str(), nullptr, cLocale());
    return formatfloatx(mask, whole / 100);
}

}  // namespace corvana::toolkit
