#include "app/defaults.h"

#include "platform/services.h"

namespace nakkas {

const std::array<DefaultsField, 7>& defaultsFields() {
    static const std::array<DefaultsField, 7> fields{{
        {"ActivityAdi", "MainActivity", &Defaults::ActivityAdi},
        {"PaketAdi", "com.example.uygulamaadiniz", &Defaults::PaketAdi},
        {"SimgeAdi", "ic_launcher", &Defaults::SimgeAdi},
        {"Veritabani", "Veritabanim.db", &Defaults::Veritabani},
        {"TabloAdi", "TabloAdim", &Defaults::TabloAdi},
        {"VTVersiyon", "2", &Defaults::VTVersiyon},
        {"KodPaneli", "HAYIR", &Defaults::KodPaneli},
    }};
    return fields;
}

Defaults Defaults::factory() {
    Defaults d;
    for (const auto& f : defaultsFields()) d.*f.member = std::string(f.factoryValue);
    return d;
}

Defaults Defaults::load(Services& services) {
    Defaults d;
    const std::string section(kDefaultsSection);
    for (const auto& f : defaultsFields()) {
        auto stored = services.readString(section, std::string(f.name));
        d.*f.member = stored ? std::move(*stored) : std::string(f.factoryValue);
    }
    return d;
}

}  // namespace nakkas
