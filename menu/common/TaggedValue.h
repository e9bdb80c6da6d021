#pragma once
// A value that carries its kind with it. The kind codes are the Automation VARIANT type numbers,
// which is how callers and the registry class agree on what a value is.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace vurozud {

enum class ValueKind : std::int32_t {
    Integer = 2,      // 16-bit signed integer
    Long = 3,         // 32-bit signed integer
    Single = 4,       // single-precision number
    Text = 8,         // wide text
    Byte = 17,        // unsigned byte
    ByteArray = 8209, // array of bytes (8192 + 17)
};

using ByteArray = std::vector<std::uint8_t>;

class TaggedValue {
public:
    TaggedValue(std::int16_t value) : value_(value) {}
    TaggedValue(std::int32_t value) : value_(value) {}
    TaggedValue(float value) : value_(value) {}
    TaggedValue(std::u16string value) : value_(std::move(value)) {}
    TaggedValue(const char16_t* value) : value_(std::u16string(value)) {}
    TaggedValue(std::uint8_t value) : value_(value) {}
    TaggedValue(ByteArray value) : value_(std::move(value)) {}

    ValueKind Kind() const;

    // The held value; the type must match Kind().
    template <typename T> const T& As() const { return std::get<T>(value_); }

private:
    std::variant<std::int16_t, std::int32_t, float, std::u16string, std::uint8_t, ByteArray> value_;
};

inline ValueKind TaggedValue::Kind() const {
    constexpr ValueKind kinds[] = {ValueKind::Integer, ValueKind::Long, ValueKind::Single,
                                   ValueKind::Text,    ValueKind::Byte, ValueKind::ByteArray};
    return kinds[value_.index()];
}

} // namespace vurozud
