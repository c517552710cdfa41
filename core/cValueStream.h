#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The typed value stream: every data file and the settings file is a plain sequence of tagged
// values, one tag byte and its little-endian payload each, with no header and no count. What is
// stored in which order is fixed by each record's WriteData.

namespace ValueTag {
constexpr std::uint8_t EndOfList = 0;
constexpr std::uint8_t BeginOfList = 1;
constexpr std::uint8_t Int8 = 2;
constexpr std::uint8_t Int16 = 3;
constexpr std::uint8_t Int32 = 4;
constexpr std::uint8_t Extended = 5;
constexpr std::uint8_t String = 6;
constexpr std::uint8_t False = 8;
constexpr std::uint8_t True = 9;
constexpr std::uint8_t LongString = 12;
constexpr std::uint8_t WideString = 18;
constexpr std::uint8_t Int64 = 19;
constexpr std::uint8_t Utf8String = 20;
} // namespace ValueTag

// The 80-bit extended float (sign, 15-bit exponent biased by 16383, 64-bit significand with an
// explicit integer bit), encoded and decoded by hand so no platform long double is involved.
std::array<std::uint8_t, 10> EncodeExtended(double value);
double DecodeExtended(const std::uint8_t* bytes);

class TValueWriter {
public:
    void WriteInteger(std::int32_t value);
    void WriteFloat(double value);
    void WriteString(std::string_view text);
    void WriteBoolean(bool value);
    void WriteListBegin();
    void WriteListEnd();

    const std::string& Bytes() const { return bytes; }

private:
    void Put(std::uint8_t byte) { bytes += static_cast<char>(byte); }
    void PutLE(std::uint64_t value, int size);
    std::string bytes;
};

// Reads values from bytes held in memory; every read is checked, so a short or damaged file raises
// a TStreamError ("Stream read error" past the end, "Invalid property value" for a wrong tag) and
// a length field can never claim more than the bytes that are left.
class TValueReader {
public:
    explicit TValueReader(std::string_view bytes) : data(bytes) {}
    // The reader only views its bytes: a temporary string would be gone before the first read.
    explicit TValueReader(std::string&&) = delete;

    std::int32_t ReadInteger();
    double ReadFloat();
    std::string ReadString();
    bool ReadBoolean();
    void ReadListBegin();
    void ReadListEnd();
    // True when the next tag is the end of a list; consumes nothing.
    bool EndOfList();

    std::size_t Position() const { return pos; }
    std::size_t Remaining() const { return data.size() - pos; }

private:
    std::uint8_t ReadTag();
    std::uint8_t PeekTag();
    std::uint64_t ReadLE(int size);
    std::string_view ReadBytes(std::uint64_t count);
    [[noreturn]] static void InvalidValue();

    std::string_view data;
    std::size_t pos = 0;
};
