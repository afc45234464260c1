#pragma once

#include <QByteArray>
#include <QTranslator>

namespace nakkas {

// Qt's catalogue of Turkish texts, plus the texts that Qt 6 moved to contexts the catalogue does
// not know yet (a folder's type showed as "Folder" in the file dialog).
class QtTurkishTranslator : public QTranslator {
public:
    // False when Qt's Turkish catalogue is not installed.
    bool load();
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return m_qt.isEmpty(); }

private:
    QTranslator m_qt;
};

// Qt in Turkish: its own buttons and dialogs, and the formats of dates and sizes. Made before
// the application object and finished right after it.
//
// Qt's file dialogs format dates and sizes with the system locale, not the default one, so a
// desktop in English showed "Dec" and "bytes" inside a Turkish program. Qt takes Turkish as the
// system locale while the application object starts; the environment is then given back, so that
// the C library and the programs we start keep the user's own settings.
class TurkishQt {
public:
    TurkishQt();
    void finish();

private:
    QByteArray m_savedLocale;
    bool m_localeWasSet = false;
    bool m_finished = false;
    QtTurkishTranslator m_translator;
};

}  // namespace nakkas
