#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "definer/object_generator.h"
#include "text/language.h"
#include "tools/layout_to_code/layout_reader.h"

namespace nakkas {

// How a variable name is proposed from an id.
enum class NamingStyle { SameAsId, Camel, MPrefix };
inline constexpr std::array<std::string_view, 3> kNamingStyleLabels{"Id ile aynı", "camelCase",
                                                                    "m önekli"};

// "btn_kaydet" gives "btn_kaydet", "btnKaydet" or "mBtnKaydet".
std::string proposeName(std::string_view id, NamingStyle style);

// The code for one view: the object generator's code for the classes it knows, a declaration
// for the others.
ObjectCode viewCode(const LayoutView& view, std::string_view variableName, std::string_view access,
                    bool writeListener, Language language = Language::Java);

// The members of all the views in their frame, then the statements one after another with
// CR LF CR LF between consecutive ones.
std::string joinViewCodes(const std::vector<ObjectCode>& codes, std::string_view access,
                          Language language);

}  // namespace nakkas
