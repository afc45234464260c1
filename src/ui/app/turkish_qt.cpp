#include "turkish_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <clocale>
#include <cstring>

namespace nakkas {

namespace {

constexpr const char* kLocaleVariable = "LC_ALL";

// Contexts that Qt 6 gave new names, with the name the Turkish catalogue still files them under.
struct MovedContext {
    const char* now;
    const char* catalogued;
};
constexpr MovedContext kMovedContexts[] = {
    {"QAbstractFileIconProvider", "QFileDialog"},  // "Folder", "Drive", "%1 File", ...
};

}  // namespace

bool QtTurkishTranslator::load() {
    return m_qt.load(QStringLiteral("qtbase_tr"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString QtTurkishTranslator::translate(const char* context, const char* sourceText,
                                       const char* disambiguation, int n) const {
    QString text = m_qt.translate(context, sourceText, disambiguation, n);
    if (!text.isEmpty() || !context) return text;
    for (const MovedContext& moved : kMovedContexts)
        if (std::strcmp(context, moved.now) == 0)
            return m_qt.translate(moved.catalogued, sourceText, disambiguation, n);
    return text;
}

TurkishQt::TurkishQt()
    : m_savedLocale(qgetenv(kLocaleVariable)),
      m_localeWasSet(qEnvironmentVariableIsSet(kLocaleVariable)) {
    qputenv(kLocaleVariable, "tr_TR.UTF-8");
}

void TurkishQt::finish() {
    if (m_finished) return;
    m_finished = true;
    QLocale::system();  // read while the variable says Turkish; Qt keeps what it read
    if (m_localeWasSet)
        qputenv(kLocaleVariable, m_savedLocale);
    else
        qunsetenv(kLocaleVariable);
    // The application object set the C library's locale from the variable; set it again from the
    // user's own environment.
    std::setlocale(LC_ALL, "");

    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    if (m_translator.load()) QCoreApplication::installTranslator(&m_translator);
}

}  // namespace nakkas
