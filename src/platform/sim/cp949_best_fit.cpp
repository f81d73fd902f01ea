#include "platform/sim/cp949_best_fit.h"

#include <algorithm>
#include <iterator>

namespace tarnwick::sim {
namespace {

struct BestFit {
  char16_t code_point;
  const char* bytes;
};

// Read from the system's WideCharToMultiByte(CP_ACP) under code page 949 (Wine 8.0) for every
// character of the Basic Multilingual Plane that iconv's CP949 does not convert; sorted.
constexpr BestFit kBestFits[] = {
    {0x00A2, "\xA1\xCB"}, {0x00A3, "\xA1\xCC"}, {0x00A5, "\xA1\xCD"}, {0x00A6, "\x7C"}, {0x00A9, "\xA8\xCF"},
    {0x00AB, "\xA1\xEC"}, {0x00AC, "\xA1\xFE"}, {0x00B5, "\xA5\xEC"}, {0x00BB, "\xA1\xED"}, {0x00C0, "\x41"},
    {0x00C1, "\x41"}, {0x00C2, "\x41"}, {0x00C3, "\x41"}, {0x00C4, "\x41"}, {0x00C5, "\x41"},
    {0x00C7, "\x43"}, {0x00C8, "\x45"}, {0x00C9, "\x45"}, {0x00CA, "\x45"}, {0x00CB, "\x45"},
    {0x00CC, "\x49"}, {0x00CD, "\x49"}, {0x00CE, "\x49"}, {0x00CF, "\x49"}, {0x00D1, "\x4E"},
    {0x00D2, "\x4F"}, {0x00D3, "\x4F"}, {0x00D4, "\x4F"}, {0x00D5, "\x4F"}, {0x00D6, "\x4F"},
    {0x00D9, "\x55"}, {0x00DA, "\x55"}, {0x00DB, "\x55"}, {0x00DC, "\x55"}, {0x00DD, "\x59"},
    {0x00E0, "\x61"}, {0x00E1, "\x61"}, {0x00E2, "\x61"}, {0x00E3, "\x61"}, {0x00E4, "\x61"},
    {0x00E5, "\x61"}, {0x00E7, "\x63"}, {0x00E8, "\x65"}, {0x00E9, "\x65"}, {0x00EA, "\x65"},
    {0x00EB, "\x65"}, {0x00EC, "\x69"}, {0x00ED, "\x69"}, {0x00EE, "\x69"}, {0x00EF, "\x69"},
    {0x00F1, "\x6E"}, {0x00F2, "\x6F"}, {0x00F3, "\x6F"}, {0x00F4, "\x6F"}, {0x00F5, "\x6F"},
    {0x00F6, "\x6F"}, {0x00F9, "\x75"}, {0x00FA, "\x75"}, {0x00FB, "\x75"}, {0x00FC, "\x75"},
    {0x00FD, "\x79"}, {0x00FF, "\x79"}, {0x0110, "\xA9\xA2"}, {0x1100, "\xA4\xA1"}, {0x1101, "\xA4\xA2"},
    {0x1102, "\xA4\xA4"}, {0x1103, "\xA4\xA7"}, {0x1104, "\xA4\xA8"}, {0x1105, "\xA4\xA9"},
    {0x1106, "\xA4\xB1"}, {0x1107, "\xA4\xB2"}, {0x1108, "\xA4\xB3"}, {0x1109, "\xA4\xB5"},
    {0x110A, "\xA4\xB6"}, {0x110B, "\xA4\xB7"}, {0x110C, "\xA4\xB8"}, {0x110D, "\xA4\xB9"},
    {0x110E, "\xA4\xBA"}, {0x110F, "\xA4\xBB"}, {0x1110, "\xA4\xBC"}, {0x1111, "\xA4\xBD"},
    {0x1112, "\xA4\xBE"}, {0x1114, "\xA4\xD5"}, {0x1115, "\xA4\xD6"}, {0x111A, "\xA4\xDD"},
    {0x111C, "\xA4\xDE"}, {0x111D, "\xA4\xE1"}, {0x111E, "\xA4\xE2"}, {0x1120, "\xA4\xE3"},
    {0x1121, "\xA4\xB4"}, {0x1122, "\xA4\xE4"}, {0x1123, "\xA4\xE5"}, {0x1127, "\xA4\xE6"},
    {0x1129, "\xA4\xE7"}, {0x112B, "\xA4\xE8"}, {0x112C, "\xA4\xE9"}, {0x112D, "\xA4\xEA"},
    {0x112E, "\xA4\xEB"}, {0x112F, "\xA4\xEC"}, {0x1132, "\xA4\xED"}, {0x1136, "\xA4\xEE"},
    {0x113C, "\xA4\xB5"}, {0x113D, "\xA4\xB6"}, {0x113E, "\xA4\xB5"}, {0x113F, "\xA4\xB6"},
    {0x1140, "\xA4\xEF"}, {0x1145, "\xA4\xF2"}, {0x1146, "\xA4\xF3"}, {0x1147, "\xA4\xF0"},
    {0x114C, "\xA4\xB7"}, {0x114E, "\xA4\xB8"}, {0x114F, "\xA4\xB9"}, {0x1150, "\xA4\xB8"},
    {0x1151, "\xA4\xB9"}, {0x1154, "\xA4\xBA"}, {0x1155, "\xA4\xBA"}, {0x1157, "\xA4\xF4"},
    {0x1158, "\xA4\xF5"}, {0x1159, "\xA4\xF6"}, {0x115F, "\xA4\xD4"}, {0x1161, "\xA4\xBF"},
    {0x1162, "\xA4\xC0"}, {0x1163, "\xA4\xC1"}, {0x1164, "\xA4\xC2"}, {0x1165, "\xA4\xC3"},
    {0x1166, "\xA4\xC4"}, {0x1167, "\xA4\xC5"}, {0x1168, "\xA4\xC6"}, {0x1169, "\xA4\xC7"},
    {0x116A, "\xA4\xC8"}, {0x116B, "\xA4\xC9"}, {0x116C, "\xA4\xCA"}, {0x116D, "\xA4\xCB"},
    {0x116E, "\xA4\xCC"}, {0x116F, "\xA4\xCD"}, {0x1170, "\xA4\xCE"}, {0x1171, "\xA4\xCF"},
    {0x1172, "\xA4\xD0"}, {0x1173, "\xA4\xD1"}, {0x1174, "\xA4\xD2"}, {0x1175, "\xA4\xD3"},
    {0x1184, "\xA4\xF7"}, {0x1185, "\xA4\xF8"}, {0x1188, "\xA4\xF9"}, {0x1191, "\xA4\xFA"},
    {0x1192, "\xA4\xFB"}, {0x1194, "\xA4\xFC"}, {0x119E, "\xA4\xFD"}, {0x11A1, "\xA4\xFE"},
    {0x11A8, "\xA4\xA1"}, {0x11A9, "\xA4\xA2"}, {0x11AA, "\xA4\xA3"}, {0x11AB, "\xA4\xA4"},
    {0x11AC, "\xA4\xA5"}, {0x11AD, "\xA4\xA6"}, {0x11AE, "\xA4\xA7"}, {0x11AF, "\xA4\xA9"},
    {0x11B0, "\xA4\xAA"}, {0x11B1, "\xA4\xAB"}, {0x11B2, "\xA4\xAC"}, {0x11B3, "\xA4\xAD"},
    {0x11B4, "\xA4\xAE"}, {0x11B5, "\xA4\xAF"}, {0x11B6, "\xA4\xB0"}, {0x11B7, "\xA4\xB1"},
    {0x11B8, "\xA4\xB2"}, {0x11B9, "\xA4\xB4"}, {0x11BA, "\xA4\xB5"}, {0x11BB, "\xA4\xB6"},
    {0x11BC, "\xA4\xB7"}, {0x11BD, "\xA4\xB8"}, {0x11BE, "\xA4\xBA"}, {0x11BF, "\xA4\xBB"},
    {0x11C0, "\xA4\xBC"}, {0x11C1, "\xA4\xBD"}, {0x11C2, "\xA4\xBE"}, {0x11C6, "\xA4\xD6"},
    {0x11C7, "\xA4\xD7"}, {0x11C8, "\xA4\xD8"}, {0x11CC, "\xA4\xD9"}, {0x11CE, "\xA4\xDA"},
    {0x11D3, "\xA4\xDB"}, {0x11D7, "\xA4\xDC"}, {0x11D9, "\xA4\xDD"}, {0x11DC, "\xA4\xDE"},
    {0x11DD, "\xA4\xDF"}, {0x11DF, "\xA4\xE0"}, {0x11E6, "\xA4\xE8"}, {0x11E7, "\xA4\xEA"},
    {0x11E8, "\xA4\xEC"}, {0x11EA, "\xA4\xED"}, {0x11EB, "\xA4\xEF"}, {0x11EE, "\xA4\xF0"},
    {0x11F0, "\xA4\xB7"}, {0x11F1, "\xA4\xF2"}, {0x11F2, "\xA4\xF3"}, {0x11F4, "\xA4\xF4"},
    {0x11F9, "\xA4\xF6"}, {0x20A9, "\x5C"}, {0x24B6, "\xA8\xCD"}, {0x24B7, "\xA8\xCE"}, {0x24B8, "\xA8\xCF"},
    {0x24B9, "\xA8\xD0"}, {0x24BA, "\xA8\xD1"}, {0x24BB, "\xA8\xD2"}, {0x24BC, "\xA8\xD3"},
    {0x24BD, "\xA8\xD4"}, {0x24BE, "\xA8\xD5"}, {0x24BF, "\xA8\xD6"}, {0x24C0, "\xA8\xD7"},
    {0x24C1, "\xA8\xD8"}, {0x24C2, "\xA8\xD9"}, {0x24C3, "\xA8\xDA"}, {0x24C4, "\xA8\xDB"},
    {0x24C5, "\xA8\xDC"}, {0x24C6, "\xA8\xDD"}, {0x24C7, "\xA8\xDE"}, {0x24C8, "\xA8\xDF"},
    {0x24C9, "\xA8\xE0"}, {0x24CA, "\xA8\xE1"}, {0x24CB, "\xA8\xE2"}, {0x24CC, "\xA8\xE3"},
    {0x24CD, "\xA8\xE4"}, {0x24CE, "\xA8\xE5"}, {0x24CF, "\xA8\xE6"}, {0x3192, "\xEC\xE9"},
    {0x3193, "\xEC\xA3"}, {0x3194, "\xDF\xB2"}, {0x3195, "\xDE\xCC"}, {0x3196, "\xDF\xBE"},
    {0x3197, "\xF1\xE9"}, {0x3198, "\xF9\xBB"}, {0x3199, "\xCB\xA3"}, {0x319A, "\xEB\xE0"},
    {0x319B, "\xDC\xB0"}, {0x319C, "\xEF\xCB"}, {0x319D, "\xF4\xB8"}, {0x319E, "\xF2\xA2"},
    {0x319F, "\xEC\xD1"}, {0x3220, "\xEC\xE9"}, {0x3221, "\xEC\xA3"}, {0x3222, "\xDF\xB2"},
    {0x3223, "\xDE\xCC"}, {0x3224, "\xE7\xE9"}, {0x3225, "\xD7\xBF"}, {0x3226, "\xF6\xD2"},
    {0x3227, "\xF8\xA2"}, {0x3228, "\xCE\xFA"}, {0x3229, "\xE4\xA8"}, {0x322A, "\xEA\xC5"},
    {0x322B, "\xFB\xFD"}, {0x322C, "\xE2\xA9"}, {0x322D, "\xD9\xCA"}, {0x322E, "\xD1\xD1"},
    {0x322F, "\xF7\xCF"}, {0x3230, "\xEC\xED"}, {0x3231, "\xF1\xBB"}, {0x3232, "\xEA\xF3"},
    {0x3233, "\xDE\xE4"}, {0x3234, "\xD9\xA3"}, {0x3235, "\xF7\xE5"}, {0x3236, "\xEE\xAF"},
    {0x3237, "\xF5\xE6"}, {0x3238, "\xD6\xCC"}, {0x3239, "\xD3\xDB"}, {0x323A, "\xFB\xBC"},
    {0x323B, "\xF9\xCA"}, {0x323C, "\xCA\xF8"}, {0x323D, "\xD0\xEA"}, {0x323E, "\xED\xC0"},
    {0x323F, "\xFA\xF0"}, {0x3240, "\xF0\xAE"}, {0x3241, "\xFD\xCC"}, {0x3242, "\xED\xBB"},
    {0x3243, "\xF2\xB8"}, {0x3280, "\xEC\xE9"}, {0x3281, "\xEC\xA3"}, {0x3282, "\xDF\xB2"},
    {0x3283, "\xDE\xCC"}, {0x3284, "\xE7\xE9"}, {0x3285, "\xD7\xBF"}, {0x3286, "\xF6\xD2"},
    {0x3287, "\xF8\xA2"}, {0x3288, "\xCE\xFA"}, {0x3289, "\xE4\xA8"}, {0x328A, "\xEA\xC5"},
    {0x328B, "\xFB\xFD"}, {0x328C, "\xE2\xA9"}, {0x328D, "\xD9\xCA"}, {0x328E, "\xD1\xD1"},
    {0x328F, "\xF7\xCF"}, {0x3290, "\xEC\xED"}, {0x3291, "\xF1\xBB"}, {0x3292, "\xEA\xF3"},
    {0x3293, "\xDE\xE4"}, {0x3294, "\xD9\xA3"}, {0x3295, "\xF7\xE5"}, {0x3296, "\xEE\xAF"},
    {0x3297, "\xF5\xE6"}, {0x3298, "\xD6\xCC"}, {0x3299, "\xDD\xFA"}, {0x329A, "\xD1\xFB"},
    {0x329B, "\xD2\xB3"}, {0x329C, "\xEE\xEA"}, {0x329D, "\xE9\xD0"}, {0x329E, "\xEC\xD4"},
    {0x329F, "\xF1\xBC"}, {0x32A0, "\xFA\xA3"}, {0x32A1, "\xFD\xCC"}, {0x32A2, "\xDE\xD0"},
    {0x32A3, "\xEF\xE1"}, {0x32A4, "\xDF\xBE"}, {0x32A5, "\xF1\xE9"}, {0x32A6, "\xF9\xBB"},
    {0x32A7, "\xF1\xA7"}, {0x32A8, "\xE9\xD3"}, {0x32A9, "\xEC\xA2"}, {0x32AA, "\xF0\xF3"},
    {0x32AB, "\xF9\xCA"}, {0x32AC, "\xCA\xF8"}, {0x32AD, "\xD0\xEA"}, {0x32AE, "\xED\xC0"},
    {0x32AF, "\xFA\xF0"}, {0x32B0, "\xE5\xA8"}, {0xFA0C, "\xE8\xB4"}, {0xFA10, "\xF5\xC0"},
    {0xFA12, "\xF4\xE7"}, {0xFA15, "\xFD\xEB"}, {0xFA17, "\xEC\xCC"}, {0xFA19, "\xE3\xEA"},
    {0xFA1A, "\xDF\xD4"}, {0xFA1B, "\xDC\xD8"}, {0xFA1C, "\xEF\xFE"}, {0xFA1D, "\xEF\xF1"},
    {0xFA1E, "\xE9\xE2"}, {0xFA22, "\xF0\xB3"}, {0xFA25, "\xEC\xEF"}, {0xFA26, "\xD4\xB4"},
    {0xFA2A, "\xDA\xF9"}, {0xFA2B, "\xDE\xF8"}, {0xFA2C, "\xCE\xBD"}, {0xFA2D, "\xF9\xCD"},
    {0xFFA0, "\xA4\xD4"}, {0xFFA1, "\xA4\xA1"}, {0xFFA2, "\xA4\xA2"}, {0xFFA3, "\xA4\xA3"},
    {0xFFA4, "\xA4\xA4"}, {0xFFA5, "\xA4\xA5"}, {0xFFA6, "\xA4\xA6"}, {0xFFA7, "\xA4\xA7"},
    {0xFFA8, "\xA4\xA8"}, {0xFFA9, "\xA4\xA9"}, {0xFFAA, "\xA4\xAA"}, {0xFFAB, "\xA4\xAB"},
    {0xFFAC, "\xA4\xAC"}, {0xFFAD, "\xA4\xAD"}, {0xFFAE, "\xA4\xAE"}, {0xFFAF, "\xA4\xAF"},
    {0xFFB0, "\xA4\xB0"}, {0xFFB1, "\xA4\xB1"}, {0xFFB2, "\xA4\xB2"}, {0xFFB3, "\xA4\xB3"},
    {0xFFB4, "\xA4\xB4"}, {0xFFB5, "\xA4\xB5"}, {0xFFB6, "\xA4\xB6"}, {0xFFB7, "\xA4\xB7"},
    {0xFFB8, "\xA4\xB8"}, {0xFFB9, "\xA4\xB9"}, {0xFFBA, "\xA4\xBA"}, {0xFFBB, "\xA4\xBB"},
    {0xFFBC, "\xA4\xBC"}, {0xFFBD, "\xA4\xBD"}, {0xFFBE, "\xA4\xBE"}, {0xFFC2, "\xA4\xBF"},
    {0xFFC3, "\xA4\xC0"}, {0xFFC4, "\xA4\xC1"}, {0xFFC5, "\xA4\xC2"}, {0xFFC6, "\xA4\xC3"},
    {0xFFC7, "\xA4\xC4"}, {0xFFCA, "\xA4\xC5"}, {0xFFCB, "\xA4\xC6"}, {0xFFCC, "\xA4\xC7"},
    {0xFFCD, "\xA4\xC8"}, {0xFFCE, "\xA4\xC9"}, {0xFFCF, "\xA4\xCA"}, {0xFFD2, "\xA4\xCB"},
    {0xFFD3, "\xA4\xCC"}, {0xFFD4, "\xA4\xCD"}, {0xFFD5, "\xA4\xCE"}, {0xFFD6, "\xA4\xCF"},
    {0xFFD7, "\xA4\xD0"}, {0xFFDA, "\xA4\xD1"}, {0xFFDB, "\xA4\xD2"}, {0xFFDC, "\xA4\xD3"}
};

}  // namespace

std::optional<std::string_view> Cp949BestFit(char32_t code_point) {
  const auto found = std::lower_bound(std::begin(kBestFits), std::end(kBestFits), code_point,
                                      [](const BestFit& entry, char32_t wanted) { return entry.code_point < wanted; });
  if (found == std::end(kBestFits) || found->code_point != code_point) return std::nullopt;
  return found->bytes;
}

}  // namespace tarnwick::sim
