#pragma once

#include <string>
#include <string_view>

namespace nakkas {

// The filter of both icon pickers (menu items and tabs), in the form Qt reads its patterns from.
inline constexpr std::string_view kIconFileFilter = "PNG Simge Dosyası (*.png)";

// The icon name a chosen file gives: its name without folder and extension. A name that is all
// extension (".png") is kept whole, so that no icon is ever left without a name.
std::string iconNameFromPath(std::string_view path);

}  // namespace nakkas
