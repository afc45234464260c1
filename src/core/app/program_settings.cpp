#include "app/program_settings.h"

#include "platform/services.h"
#include "tools/sqlite_tool/database_helper.h"

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
    if (const auto index = databaseVersionIndex(record.VTVersiyon)) versionIndex = int(*index);
}

bool ProgramSettings::selectVersion(int index) {
    if (index < -1 || index >= int(kDatabaseVersions.size())) return false;
    versionIndex = index;
    return true;
}

Outcome ProgramSettings::save() {
    Defaults stored = m_record;
    stored.ActivityAdi = activityAdi;
    stored.PaketAdi = paketAdi;
    stored.SimgeAdi = simgeAdi;
    stored.Veritabani = veritabani;
    stored.TabloAdi = tabloAdi;
    // With no entry selected (the stored version was none of the three) the stored text is
    // kept as it was rather than replaced by an empty one. An index set past the list counts
    // as no entry: it must never read beyond it.
    if (versionIndex >= 0 && versionIndex < int(kDatabaseVersions.size()))
        stored.VTVersiyon = kDatabaseVersions[size_t(versionIndex)];
    stored.KodPaneli = clearPanelAtStart ? "EVET" : "HAYIR";
    writeAll(stored);

    // The running record takes everything but the version, which counts from the next start.
    const std::string runningVersion = m_record.VTVersiyon;
    m_record = stored;
    m_record.VTVersiyon = runningVersion;
    return confirmRestart(kSaveQuestion);
}

Outcome ProgramSettings::restoreFactory() {
    clearPanelAtStart = false;
    const Defaults factory = Defaults::factory();
    writeAll(factory);
    // The other six wait for the restart; the panel setting follows the box just unchecked.
    m_record.KodPaneli = factory.KodPaneli;
    return confirmRestart(kRestoreQuestion);
}

void ProgramSettings::writeAll(const Defaults& values) {
    const std::string section(kDefaultsSection);
    for (const auto& f : defaultsFields())
        m_services.writeString(section, std::string(f.name), values.*f.member);
}

Outcome ProgramSettings::confirmRestart(std::string_view question) {
    if (!m_services.commitSettings())
        return showRefusal(m_services, settingsWriteFailedText(m_services.settingsLocation()));
    const auto answer = m_services.messageBox(std::string(question), std::string(kCaption),
                                              MessageIcon::Warning, MessageButtons::YesNo);
    m_restartChosen = answer == MessageAnswer::Yes;
    return Outcome::done();
}

}  // namespace nakkas
