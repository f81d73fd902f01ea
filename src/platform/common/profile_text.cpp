#include "platform/common/profile_text.h"

#include "platform/common/utf8.h"

namespace tarnwick::platform {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

}  // namespace

std::string DecodeProfileText(std::string_view file_bytes, const AnsiCodePage& code_page) {
  if (file_bytes.starts_with(kUtf8Mark)) return SanitizeUtf8(file_bytes.substr(kUtf8Mark.size()));
  if (file_bytes.starts_with(kUtf16LittleEndianMark)) {
    return Utf16ToUtf8(file_bytes.substr(kUtf16LittleEndianMark.size()), false);
  }
  if (file_bytes.starts_with(kUtf16BigEndianMark)) {
    return Utf16ToUtf8(file_bytes.substr(kUtf16BigEndianMark.size()), true);
  }
  return code_page.ToUtf8(std::string(file_bytes));
}

}  // namespace tarnwick::platform
