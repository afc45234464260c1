#pragma once

#include <string_view>

namespace nakkas {

// The XML namespace of Android's own attributes, as layout and menu files declare it.
inline constexpr std::string_view kAndroidNamespace = "http://schemas.android.com/apk/res/android";

}  // namespace nakkas
