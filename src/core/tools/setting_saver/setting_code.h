#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "text/language.h"

namespace nakkas {

// A "Veri Türü:" entry and what its Java type selects in the generated code.
struct SettingDataType {
    std::string_view entry;          // as the list shows it
    std::string_view javaType;       // shown in the disabled field beneath the list
    std::string_view defaultValue;   // inserted as is
    std::string_view kotlinDefault;  // the same value as a Kotlin literal of the getter's type
    std::string_view readMethod;
    std::string_view writeMethod;
};

// A "Kayıt Şekli:" entry and its storage mode constant.
struct SettingAccessMode {
    std::string_view entry;
    std::string_view constant;
};

// In list order.
const std::array<SettingDataType, 5>& settingDataTypes();
const std::array<SettingAccessMode, 4>& settingAccessModes();

// The row of a Java type name, as the disabled field holds it.
std::optional<SettingDataType> findJavaType(std::string_view javaType);

struct SettingInput {
    std::string javaType;
    std::string storageMode;
    std::string variableName;
    std::string key;
    std::string fileName;
    bool writeBlock = true;  // "Kayıt Yazma kodunu oluştur"
    bool readBlock = true;   // "Kayıt Okuma kodunu oluştur"
};

// The shared-preferences code in the language. The Java type must be one of the table's; the
// names go in as typed, the file name and the key as the string literal needs them.
std::string settingCode(const SettingInput& input, const SettingDataType& type, Language language);

}  // namespace nakkas
