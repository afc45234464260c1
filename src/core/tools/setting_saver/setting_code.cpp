#include "setting_code.h"

#include <span>

#include "text/escape.h"

namespace nakkas {

const std::array<SettingDataType, 5>& settingDataTypes() {
    static constexpr std::array<SettingDataType, 5> types{{
        {"Tamsayı", "int", "0", "0", "getInt", "putInt"},
        {"Metin", "String", "\"Boş\"", "\"Boş\"", "getString", "putString"},
        {"Uzun Tamsayı", "long", "0", "0L", "getLong", "putLong"},
        {"Ondalıklı Sayı", "float", "0", "0f", "getFloat", "putFloat"},
        {"Evet-Hayır", "boolean", "false", "false", "getBoolean", "putBoolean"},
    }};
    return types;
}

const std::array<SettingAccessMode, 4>& settingAccessModes() {
    static constexpr std::array<SettingAccessMode, 4> modes{{
        {"Sadece bu uygulama erişir", "MODE_PRIVATE"},
        {"Ekleme Yapılır", "MODE_APPEND"},
        {"Tüm uygulamalar okur", "MODE_WORLD_READABLE"},
        {"Tüm uygulamalar yazar", "MODE_WORLD_WRITEABLE"},
    }};
    return modes;
}

std::optional<SettingDataType> findJavaType(std::string_view javaType) {
    for (const SettingDataType& t : settingDataTypes())
        if (t.javaType == javaType) return t;
    return std::nullopt;
}

namespace {

// A piece of the code: a fixed literal or a value. The file name and the key stand inside string
// literals and go through the language's string escape; the rest are names the user owns or come
// from the tables above.
enum class Field {
    None,
    JavaType,
    Variable,
    FileName,
    StorageMode,
    Key,
    ReadMethod,
    Default,
    WriteMethod
};

struct Piece {
    std::string_view text;
    Field field = Field::None;
};

constexpr Piece javaType{{}, Field::JavaType};
constexpr Piece variable{{}, Field::Variable};
constexpr Piece fileName{{}, Field::FileName};
constexpr Piece storageMode{{}, Field::StorageMode};
constexpr Piece key{{}, Field::Key};
constexpr Piece readMethod{{}, Field::ReadMethod};
constexpr Piece defaultValue{{}, Field::Default};
constexpr Piece writeMethod{{}, Field::WriteMethod};

// Each source line holds one line of the generated text.
// clang-format off
constexpr Piece kJavaHead[] = {
    {"// Aşağıdaki final tanımlamaları onCreate metodunun içerisinde olacak\r\n"},
    {"final "}, javaType, {" "}, variable, {";\r\n"},
    {"final SharedPreferences SistemAyar = getSharedPreferences(\""}, fileName, {"\", "},
        storageMode, {");\r\n"},
    {"final SharedPreferences.Editor AyarDuzenleyici = SistemAyar.edit();\r\n\r\n\r\n"},
    {"//Ayar boş ise yani ilk kez çalışıyorsa Anahtarı oluştur ve varsayılan bir değer ekle\r\n"},
    variable, {" = SistemAyar."}, readMethod, {"(\""}, key, {"\", "}, defaultValue,
        {" );\r\n\r\n\r\n"},
};

// The value to store is left for the user to fill in: this line does not compile as it stands.
constexpr Piece kJavaWrite[] = {
    {"//Kaydetmek için aşağıdaki kodu kullanın\r\n"},
    {"AyarDuzenleyici."}, writeMethod, {"(\""}, key,
        {"\", /*Buraya kullandığınız türe göre kaydetmek istediğiniz değer parametresini "
         "ekleyin*/ );\r\n"},
    {"AyarDuzenleyici.commit();\r\n\r\n\r\n"},
};

constexpr Piece kJavaRead[] = {
    {"//Okumak için aşağıdaki kod bloğunu kullanın\r\n"},
    {"String.valueOf("}, variable, {");"},
};

// The value is read where it is declared, so it is a val and takes the getter's type.
constexpr Piece kKotlinHead[] = {
    {"// Aşağıdaki val tanımlamaları onCreate metodunun içerisinde olacak\r\n"},
    {"val SistemAyar = getSharedPreferences(\""}, fileName, {"\", "}, storageMode, {")\r\n"},
    {"val AyarDuzenleyici = SistemAyar.edit()\r\n\r\n\r\n"},
    {"//Ayar boş ise yani ilk kez çalışıyorsa Anahtarı oluştur ve varsayılan bir değer ekle\r\n"},
    {"val "}, variable, {" = SistemAyar."}, readMethod, {"(\""}, key, {"\", "}, defaultValue,
        {")\r\n\r\n\r\n"},
};

// Until the user writes the value to keep, the line stores the value just read, so that the text
// compiles as it stands.
constexpr Piece kKotlinWrite[] = {
    {"//Kaydetmek için aşağıdaki kodu kullanın\r\n"},
    {"AyarDuzenleyici."}, writeMethod, {"(\""}, key,
        {"\", /*TODO: Buraya kullandığınız türe göre kaydetmek istediğiniz değeri yazın*/ "},
        variable, {")\r\n"},
    {"AyarDuzenleyici.commit()\r\n\r\n\r\n"},
};

constexpr Piece kKotlinRead[] = {
    {"//Okumak için aşağıdaki kod bloğunu kullanın\r\n"},
    variable, {".toString()"},
};
// clang-format on

// Everything that differs between the languages.
struct Templates {
    std::span<const Piece> head, write, read;
    std::string (*quote)(std::string_view);
    std::string_view SettingDataType::*defaultValue;
};

constexpr Templates kJava{kJavaHead, kJavaWrite, kJavaRead, javaString,
                          &SettingDataType::defaultValue};
constexpr Templates kKotlin{kKotlinHead, kKotlinWrite, kKotlinRead, kotlinString,
                            &SettingDataType::kotlinDefault};

const Templates& templatesFor(Language language) {
    return language == Language::Kotlin ? kKotlin : kJava;
}

}  // namespace

std::string settingCode(const SettingInput& in, const SettingDataType& type, Language language) {
    const Templates& t = templatesFor(language);
    std::string text;
    text.reserve(1024);
    const auto add = [&](std::span<const Piece> pieces) {
        for (const Piece& piece : pieces) {
            switch (piece.field) {
                case Field::None:
                    text += piece.text;
                    break;
                case Field::JavaType:
                    text += in.javaType;
                    break;
                case Field::Variable:
                    text += in.variableName;
                    break;
                case Field::FileName:
                    text += t.quote(in.fileName);
                    break;
                case Field::StorageMode:
                    text += in.storageMode;
                    break;
                case Field::Key:
                    text += t.quote(in.key);
                    break;
                case Field::ReadMethod:
                    text += type.readMethod;
                    break;
                case Field::Default:
                    text += type.*t.defaultValue;
                    break;
                case Field::WriteMethod:
                    text += type.writeMethod;
                    break;
            }
        }
    };
    add(t.head);
    if (in.writeBlock) add(t.write);
    if (in.readBlock) add(t.read);
    return text;
}

}  // namespace nakkas
