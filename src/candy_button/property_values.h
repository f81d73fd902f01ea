#pragma once
// Typed values in a property bag: how booleans, integers, colours, text and fonts are written
// as text, read back, and defaulted when a key is missing or its text is not of the type.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "candy_button/property_bag.h"
#include "platform/colour_port.h"
#include "platform/font_spec.h"

namespace tarnwick::candy {

// "True" / "False"; reading ignores case.
std::string FormatBool(bool value);
std::optional<bool> ParseBool(std::string_view text);
// Decimal with optional sign, or "0x" / "&H" followed by up to 8 hexadecimal digits (the
// 32 bits as written). Values outside 32 bits are not integers.
std::string FormatInt(std::int32_t value);
std::optional<std::int32_t> ParseInt(std::string_view text);
// Colours are integers written in hexadecimal, "0x00BBGGRR".
std::string FormatColour(platform::Colour value);
// "Name;points;weight" followed by ";italic", ";underline", ";strikeout" as they apply.
std::string FormatFont(const platform::FontSpec& font);
std::optional<platform::FontSpec> ParseFont(std::string_view text);

bool ReadBool(const PropertyBag& bag, std::string_view key, bool fallback);
std::int32_t ReadInt(const PropertyBag& bag, std::string_view key, std::int32_t fallback);
platform::Colour ReadColour(const PropertyBag& bag, std::string_view key,
                            platform::Colour fallback);
std::string ReadString(const PropertyBag& bag, std::string_view key, const std::string& fallback);
platform::FontSpec ReadFont(const PropertyBag& bag, std::string_view key,
                            const platform::FontSpec& fallback);

}  // namespace tarnwick::candy
