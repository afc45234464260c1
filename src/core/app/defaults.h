#pragma once

#include <array>
#include <string>
#include <string_view>

namespace nakkas {

class Services;

inline constexpr std::string_view kDefaultsSection = "Varsayilanlar";

// The seven stored defaults that every tool takes its starting values from.
struct Defaults {
    std::string ActivityAdi;
    std::string PaketAdi;
    std::string SimgeAdi;
    std::string Veritabani;
    std::string TabloAdi;
    std::string VTVersiyon;
    std::string KodPaneli;

    // The code panel starts empty only for exactly "EVET".
    bool startWithEmptyPanel() const { return KodPaneli == "EVET"; }

    static Defaults factory();
    // Reads the store field by field; a missing value gives its factory value.
    static Defaults load(Services& services);

    bool operator==(const Defaults&) const = default;
};

// One row per stored value, in load order.
struct DefaultsField {
    std::string_view name;
    std::string_view factoryValue;
    std::string Defaults::*member;
};

const std::array<DefaultsField, 7>& defaultsFields();

}  // namespace nakkas
