#include "setting_code.h"

#include "text/escape.h"

namespace nakkas {

const std::array<SettingDataType, 5>& settingDataTypes() {
    static constexpr std::array<SettingDataType, 5> types{{
        {"Tamsayı", "int", "0", "getInt", "putInt"},
        {"Metin", "String", "\"Boş\"", "getString", "putString"},
        {"Uzun Tamsayı", "long", "0", "getLong", "putLong"},
        {"Ondalıklı Sayı", "float", "0", "getFloat", "putFloat"},
        {"Evet-Hayır", "boolean", "false", "getBoolean", "putBoolean"},
    }};
    return types;
}

const std::array<SettingAccessMode, 4>& settingAccessModes() {
    static constexpr std::array<SettingAccessMode, 4> modes{{
        {"Sadece bu uygulama erişir", "MODE_PRIVATE"},
        {"Ekleme Yapılır", "MODE_APPEND"},
        {"Tüm uygulamalar okur", "MODE_WORLD_READABLE"},
        {"Tüm uygulamalar yazar", "MODE_WORLD_WRITABLE"},
    }};
    return modes;
}

std::optional<SettingDataType> findJavaType(std::string_view javaType) {
    for (const SettingDataType& t : settingDataTypes())
        if (t.javaType == javaType) return t;
    return std::nullopt;
}

std::string settingCode(const SettingInput& in, const SettingDataType& type) {
    std::string text;
    const auto add = [&text](std::string_view piece) { text += piece; };

    add("// Aşağıdaki final tanımlamaları onCreate metodunun içerisinde olacak\r\n");
    add("final ");
    add(in.javaType);
    add(" ");
    add(in.variableName);
    add(";\r\n");
    add("final SharedPreferences SistemAyar = getSharedPreferences(\"");
    add(javaString(in.fileName));
    add("\", ");
    add(in.storageMode);
    add(");\r\n");
    add("final SharedPreferences.Editor AyarDuzenleyici = SistemAyar.edit();\r\n\r\n\r\n");
    add("//Ayar boş ise yani ilk kez çalışıyorsa Anahtarı oluştur ve varsayılan bir değer "
        "ekle\r\n");
    add(in.variableName);
    add(" = SistemAyar.");
    add(type.readMethod);
    add("(\"");
    add(javaString(in.key));
    add("\", ");
    add(type.defaultValue);
    add(" );\r\n\r\n\r\n");

    if (in.writeBlock) {
        add("//Kaydetmek için aşağıdaki kodu kullanın\r\n");
        add("AyarDuzenleyici.");
        add(type.writeMethod);
        add("(\"");
        add(javaString(in.key));
        add("\", /*Buraya kullandığınız türe göre kaydetmek istediğiniz değer parametresini "
            "ekleyin*/ );\r\n");
        add("AyarDuzenleyici.commit();\r\n\r\n\r\n");
    }
    if (in.readBlock) {
        add("//Okumak için aşağıdaki kod bloğunu kullanın\r\n");
        add("String.valueOf(");
        add(in.variableName);
        add(");");
    }
    return text;
}

}  // namespace nakkas
