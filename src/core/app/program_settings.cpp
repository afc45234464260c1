#include "app/program_settings.h"

#include "platform/services.h"

namespace nakkas {

namespace {

constexpr std::string_view kCaption = "Program Ayarları";
constexpr std::string_view kSaveQuestion =
    "Değişikliklerin doğru bir biçimde uygulanabilmesi için programın yeniden başlatılması "
    "gerekiyor, program yeniden başlatılsın mı?";
constexpr std::string_view kRestoreQuestion =
    "Varsayılan ayarlar geri yüklendi, değişikliklerin doğru bir biçimde uygulanabilmesi için "
    "programın yeniden başlatılması gerekiyor, program yeniden başlatılsın mı?";

}  // namespace

std::string settingsWriteFailedText(std::string_view location) {
    return "Ayarlar kaydedilemedi: ayar dosyasına yazılamıyor.\n" + std::string(location) +
           "\nDosyanın ve klasörünün yazılabilir olduğundan emin olup yeniden deneyin.";
}

ProgramSettings::ProgramSettings(Defaults& record, Services& services)
    : paketAdi(record.PaketAdi),
      activityAdi(record.ActivityAdi),
      simgeAdi(record.SimgeAdi),
      veritabani(record.Veritabani),
      tabloAdi(record.TabloAdi),
      clearPanelAtStart(record.startWithEmptyPanel()),
      m_record(record),
      m_services(services) {
    for (size_t i = 0; i < kVersions.size(); ++i)
        if (kVersions[i] == record.VTVersiyon) versionIndex = int(i);
}

bool ProgramSettings::selectVersion(int index) {
    if (index < -1 || index >= int(kVersions.size())) return false;
    versionIndex = index;
    return true;
}

ProgramSettings::Outcome ProgramSettings::save() {
    m_record.ActivityAdi = activityAdi;
    m_record.PaketAdi = paketAdi;
    m_record.SimgeAdi = simgeAdi;
    m_record.Veritabani = veritabani;
    m_record.TabloAdi = tabloAdi;

    const std::string section(kDefaultsSection);
    m_services.writeString(section, "ActivityAdi", activityAdi);
    m_services.writeString(section, "PaketAdi", paketAdi);
    m_services.writeString(section, "SimgeAdi", simgeAdi);
    m_services.writeString(section, "Veritabani", veritabani);
    m_services.writeString(section, "TabloAdi", tabloAdi);
    // With no entry selected (the stored version was none of the three) the stored text is
    // kept as it was rather than replaced by an empty one. An index set past the list counts
    // as no entry: it must never read beyond it.
    const bool selected = versionIndex >= 0 && versionIndex < int(kVersions.size());
    const std::string version =
        selected ? std::string(kVersions[size_t(versionIndex)]) : m_record.VTVersiyon;
    m_services.writeString(section, "VTVersiyon", version);
    m_record.KodPaneli = clearPanelAtStart ? "EVET" : "HAYIR";
    m_services.writeString(section, "KodPaneli", m_record.KodPaneli);
    return confirmRestart(kSaveQuestion);
}

ProgramSettings::Outcome ProgramSettings::restoreFactory() {
    clearPanelAtStart = false;
    const std::string section(kDefaultsSection);
    const Defaults factory = Defaults::factory();
    for (const auto& f : defaultsFields()) {
        if (f.name == "KodPaneli") continue;
        m_services.writeString(section, std::string(f.name), factory.*f.member);
    }
    m_record.KodPaneli = "HAYIR";
    m_services.writeString(section, "KodPaneli", m_record.KodPaneli);
    return confirmRestart(kRestoreQuestion);
}

ProgramSettings::Outcome ProgramSettings::confirmRestart(std::string_view question) {
    if (!m_services.commitSettings()) {
        m_services.messageBox(settingsWriteFailedText(m_services.settingsLocation()), "Hata",
                              MessageIcon::Error, MessageButtons::Ok);
        return Outcome::StayOpen;
    }
    const auto answer = m_services.messageBox(std::string(question), std::string(kCaption),
                                              MessageIcon::Warning, MessageButtons::YesNo);
    return answer == MessageAnswer::Yes ? Outcome::Restart : Outcome::Close;
}

}  // namespace nakkas
