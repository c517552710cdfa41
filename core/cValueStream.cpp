#include "core/cValueStream.h"

#include "core/cError.h"
#include "core/cTextCodec.h"

#include <bit>
#include <cmath>
#include <limits>

namespace {
constexpr int kExtendedBias = 16383;
constexpr int kDoubleBias = 1023;
constexpr std::uint64_t kIntegerBit = std::uint64_t(1) << 63;
} // namespace

std::array<std::uint8_t, 10> EncodeExtended(double value) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int exponentField = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t(1) << 52) - 1);

    std::uint64_t significand = 0;
    int exponent = 0; // biased by 16383
    if (exponentField == 0x7FF) {
        exponent = 0x7FFF;
        significand = kIntegerBit | (fraction << 11);
        if (fraction != 0)
            significand |= std::uint64_t(1) << 62; // keep a NaN quiet
    } else if (exponentField == 0) {
        if (fraction != 0) {
            // A subnormal double is a normal extended: shift its leading one into the integer bit.
            const int shift = std::countl_zero(fraction);
            significand = fraction << shift;
            exponent = (1 - kDoubleBias) - (shift - 11) + kExtendedBias;
        }
    } else {
        significand = kIntegerBit | (fraction << 11);
        exponent = exponentField - kDoubleBias + kExtendedBias;
    }

    std::array<std::uint8_t, 10> out{};
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    const unsigned top = static_cast<unsigned>(exponent) | (negative ? 0x8000u : 0u);
    out[8] = static_cast<std::uint8_t>(top & 0xFF);
    out[9] = static_cast<std::uint8_t>(top >> 8);
    return out;
}

double DecodeExtended(const std::uint8_t* bytes) {
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = (significand << 8) | bytes[i];
    const unsigned top = bytes[8] | (unsigned(bytes[9]) << 8);
    const bool negative = (top & 0x8000) != 0;
    const int exponent = static_cast<int>(top & 0x7FFF);

    double magnitude;
    if (exponent == 0x7FFF) {
        magnitude = (significand << 1) == 0 ? std::numeric_limits<double>::infinity()
                                            : std::numeric_limits<double>::quiet_NaN();
    } else {
        // Denormal extended values have an exponent of 1 - bias.
        const int e = (exponent == 0 ? 1 : exponent) - kExtendedBias - 63;
        magnitude = std::ldexp(static_cast<double>(significand), e);
    }
    return negative ? -magnitude : magnitude;
}

void TValueWriter::PutLE(std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i)
        Put(static_cast<std::uint8_t>(value >> (8 * i)));
}

void TValueWriter::WriteInteger(std::int32_t value) {
    if (value >= -128 && value <= 127) {
        Put(ValueTag::Int8);
        PutLE(static_cast<std::uint8_t>(value), 1);
    } else if (value >= -32768 && value <= 32767) {
        Put(ValueTag::Int16);
        PutLE(static_cast<std::uint16_t>(value), 2);
    } else {
        Put(ValueTag::Int32);
        PutLE(static_cast<std::uint32_t>(value), 4);
    }
}

void TValueWriter::WriteFloat(double value) {
    Put(ValueTag::Extended);
    for (std::uint8_t b : EncodeExtended(value))
        Put(b);
}

void TValueWriter::WriteString(std::string_view text) {
    if (IsAscii(text) && text.size() <= 255) {
        Put(ValueTag::String);
        PutLE(text.size(), 1);
    } else {
        Put(IsAscii(text) ? ValueTag::LongString : ValueTag::Utf8String);
        PutLE(text.size(), 4);
    }
    bytes.append(text);
}

void TValueWriter::WriteBoolean(bool value) {
    Put(value ? ValueTag::True : ValueTag::False);
}

void TValueWriter::WriteListBegin() {
    Put(ValueTag::BeginOfList);
}

void TValueWriter::WriteListEnd() {
    Put(ValueTag::EndOfList);
}

void TValueReader::InvalidValue() {
    throw TStreamError("Invalid property value");
}

std::string_view TValueReader::ReadBytes(std::uint64_t count) {
    if (count > Remaining())
        throw TStreamError("Stream read error");
    std::string_view out = data.substr(pos, count);
    pos += count;
    return out;
}

std::uint8_t TValueReader::ReadTag() {
    return static_cast<std::uint8_t>(ReadBytes(1)[0]);
}

std::uint8_t TValueReader::PeekTag() {
    if (Remaining() == 0)
        throw TStreamError("Stream read error");
    return static_cast<std::uint8_t>(data[pos]);
}

std::uint64_t TValueReader::ReadLE(int size) {
    std::string_view b = ReadBytes(size);
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(b[i]);
    return value;
}

std::int32_t TValueReader::ReadInteger() {
    switch (ReadTag()) {
    case ValueTag::Int8:
        return static_cast<std::int8_t>(ReadLE(1));
    case ValueTag::Int16:
        return static_cast<std::int16_t>(ReadLE(2));
    case ValueTag::Int32:
        return static_cast<std::int32_t>(ReadLE(4));
    default:
        InvalidValue();
    }
}

double TValueReader::ReadFloat() {
    switch (ReadTag()) {
    case ValueTag::Extended: {
        std::string_view b = ReadBytes(10);
        return DecodeExtended(reinterpret_cast<const std::uint8_t*>(b.data()));
    }
    case ValueTag::Int8:
        return static_cast<std::int8_t>(ReadLE(1));
    case ValueTag::Int16:
        return static_cast<std::int16_t>(ReadLE(2));
    case ValueTag::Int32:
        return static_cast<std::int32_t>(ReadLE(4));
    case ValueTag::Int64:
        return static_cast<double>(static_cast<std::int64_t>(ReadLE(8)));
    default:
        InvalidValue();
    }
}

std::string TValueReader::ReadString() {
    switch (ReadTag()) {
    case ValueTag::String:
        return Windows1252ToUtf8(ReadBytes(ReadLE(1)));
    case ValueTag::LongString:
        return Windows1252ToUtf8(ReadBytes(ReadLE(4)));
    case ValueTag::Utf8String:
        return std::string(ReadBytes(ReadLE(4)));
    case ValueTag::WideString:
        return Utf16LeToUtf8(ReadBytes(2 * ReadLE(4)));
    default:
        InvalidValue();
    }
}

bool TValueReader::ReadBoolean() {
    return ReadTag() == ValueTag::True;
}

void TValueReader::ReadListBegin() {
    if (ReadTag() != ValueTag::BeginOfList)
        InvalidValue();
}

void TValueReader::ReadListEnd() {
    if (ReadTag() != ValueTag::EndOfList)
        InvalidValue();
}

bool TValueReader::EndOfList() {
    return PeekTag() == ValueTag::EndOfList;
}
