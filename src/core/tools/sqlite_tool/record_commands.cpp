#include "tools/sqlite_tool/record_commands.h"

#include "text/escape.h"

#include "platform/services.h"

namespace nakkas {

namespace {

constexpr const char* kNoColumnOrVariable =
    "Kullanılacak hücre seçilmemiş veya Degisken/Nesne adı boş bırakılmış";
constexpr const char* kDeleteNeedsKey =
    "Sil örneklemesi için birincil anahtara sahip bir tablo olması gerekiyor";

constexpr const char* kSeparator =
    "//***********************************************************\r\n\r\n\r\n";

std::string valueExpression(const RecordCommands::GroupState& g) {
    return g.variable + (g.editText ? ".getText().toString()" : ".toString()");
}

}  // namespace

void RecordCommands::setEditText(Group g, bool checked) {
    m_groups[g].editText = checked;
    m_groups[g].variable = checked ? "editText1" : "";
}

void RecordCommands::setIncluded(Group g, bool checked) {
    m_groups[g].included = checked;
    if (checked) m_compileEnabled = true;
}

RecordCommands::GroupState& RecordCommands::group(Group g) {
    refresh(g);
    return m_groups[g];
}

const RecordCommands::GroupState& RecordCommands::group(Group g) const {
    refresh(g);
    return m_groups[g];
}

void RecordCommands::refresh(Group g) const {
    if (!m_stale[g]) return;
    m_groups[g].result = build(g);
    m_stale[g] = false;
}

Outcome RecordCommands::press(Group which, const std::string& tableName,
                              const std::string& keyName) {
    if (which == Delete) return pressDelete(tableName, keyName);
    GroupState& g = m_groups[which];
    if (g.chosenColumn.empty() || g.variable.empty())
        return showRefusal(m_services, kNoColumnOrVariable);
    // Names stand in Java string literals, except where the column names a variable.
    const std::string c = javaString(g.chosenColumn);
    const std::string& v = g.variable;
    switch (which) {
        case Insert:
            m_insertClears += v + ".setText(\"\");\r\n";
            m_insertPuts += "vtdeger.put(\"" + c + "\", " + valueExpression(g) + ");\r\n";
            m_pressed[which] = {tableName, keyName, insertNotify, insertClear};
            break;
        case Update:
            m_updatePuts +=
                "GuncelParametreler.put(\"" + c + "\", " + valueExpression(g) + ");\r\n";
            m_pressed[which] = {tableName, keyName, updateNotify, false};
            break;
        case Show:
            m_showColumns += (m_showFirstColumn ? "\"" : ", \"") + c + "\"";
            m_showFirstColumn = false;
            // The EditText box only fills the variable box here: setText is the same either way.
            m_showBody += "String " + g.chosenColumn +
                          "_Degiskeni = VTYeri.getString((VTYeri.getColumnIndex(\"" + c +
                          "\")));\r\n";
            m_showBody += v + ".setText(" + g.chosenColumn + "_Degiskeni.toString());\r\n";
            m_pressed[which] = {tableName, keyName, false, false};
            break;
        case Delete:
            break;
    }
    m_stale[which] = true;
    g.includeEnabled = true;
    return Outcome::done();
}

std::string RecordCommands::build(Group which) const {
    const Press& p = m_pressed[which];
    std::string r;
    switch (which) {
        case Insert:
            r = "SQLiteDatabase vt = VtArac.getWritableDatabase();\r\ntry\r\n{\r\n"
                "ContentValues vtdeger = new ContentValues();\r\n";
            r += m_insertPuts;
            r += "vt.insert(DatabaseHelper.VT_TABLO, null, vtdeger);\r\n";
            if (p.clear) r += m_insertClears;
            r += "}\r\ncatch (Exception e)\r\n{\r\n\r\n}\r\nfinally\r\n{\r\nvt.close();\r\n";
            if (p.notify)
                r += "Toast.makeText(MainActivity.this, \"Kayıt Eklendi\", "
                     "Toast.LENGTH_SHORT).show();\r\n";
            r += "}\r\n";
            r += kSeparator;
            break;
        case Update:
            r = "SQLiteDatabase vt = VtArac.getReadableDatabase();\r\n"
                "ContentValues GuncelParametreler = new ContentValues();\r\n";
            r += m_updatePuts;
            r += "vt.update(\"" + javaString(p.table) + "\", GuncelParametreler, \"" +
                 javaString(p.key) + "\" + \"=\" + 1, null);\r\n";
            if (p.notify)
                r += "Toast.makeText(MainActivity.this, \"Kayıt Güncellendi\", "
                     "Toast.LENGTH_SHORT).show();\r\n";
            r += "//Bu ust satirdaki kodda belirlediginiz birincil anahtara göre 1 numaralı indexi "
                 "değiştirme işlemi yapıyor\r\n";
            r += kSeparator;
            break;
        case Show:
            r = "SQLiteDatabase vt = VtArac.getReadableDatabase();\r\n"
                "Cursor VTYeri = vt.query(DatabaseHelper.VT_TABLO, new String[]{";
            r += m_showColumns;
            r += "}, \"" + javaString(p.key) + "\" + \"=\" + 1, null, null, null,null, null);\r\n";
            r += "startManagingCursor(VTYeri);\r\nwhile(VTYeri.moveToNext())\r\n{\r\n";
            r += m_showBody;
            r += "}\r\n//"
                 "***********************************************************\r\n\r\n\r\n\r\n";
            break;
        case Delete:
            return m_groups[Delete].result;
    }
    return r;
}

Outcome RecordCommands::pressDelete(const std::string& tableName, const std::string& keyName) {
    if (keyName.empty()) return showRefusal(m_services, kDeleteNeedsKey);
    GroupState& g = m_groups[Delete];
    g.includeEnabled = true;
    std::string r = "SQLiteDatabase vt = VtArac.getReadableDatabase();\r\nvt.delete(\"";
    r += javaString(tableName);
    r += "\", \"";
    r += javaString(keyName);
    r += "\" + \"=\" + SilinecekKayitNumarasi, null);\r\n";
    if (deleteNotify)
        r += "Toast.makeText(MainActivity.this, \"Kayıt Silindi\", Toast.LENGTH_SHORT).show();\r\n";
    r += "//Sil orneklemesinde tablonuzdaki birincil anahtar olarak belirlediginiz hucre uzerinden "
         "silme islemi yapiliyor.\r\n//Mesela 3 id numarali kaydi silmek istiyorsaniz kod "
         "icerisindeki \"SilinecekKayitNumarasi\" yerine 3 yazmalisiniz\r\n";
    r += kSeparator;
    g.result = std::move(r);
    return Outcome::done();
}

void RecordCommands::reset(Group which) {
    GroupState& g = m_groups[which];
    switch (which) {
        case Insert:
            m_insertPuts.clear();
            m_insertClears.clear();
            break;
        case Update:
            m_updatePuts.clear();
            break;
        case Show:
            m_showColumns.clear();
            m_showBody.clear();
            m_showFirstColumn = true;
            break;
        case Delete:
            return;  // the delete group has no reset
    }
    m_stale[which] = false;
    g.result.clear();
    g.variable.clear();
    g.editText = false;
    // Disabled but still checked: a checked box keeps including its (now empty) result box.
    g.includeEnabled = false;
}

std::string RecordCommands::compile(const std::string& tableName) const {
    static constexpr const char* kHeadings[kGroupCount] = {
        "// Aşağıdaki kodları kayıt yapacak düğmenin içerisine yazın ***\r\n\r\n",
        "// Aşağıdaki kodları güncelleme yapacak düğmenin içerisine yazın ***\r\n\r\n",
        "// Aşağıdaki kodları kayıtları gösterecek düğmenin içerisine yazın ***\r\n\r\n",
        "// Aşağıdaki kodları kayıtları silecek düğmenin içerisine yazın ***\r\n\r\n",
    };
    std::string text =
        "// *** Öncelikle aşağıdaki satırı Activitynize ait Class'in içine yazın\r\n"
        "private DatabaseHelper VtArac;\r\n\r\n"
        "// *** Aşağıdaki bu satırı ise Activitynize ait onCreate metodunun içerisine yazın\r\n"
        "VtArac = new DatabaseHelper(this);\r\n\r\n\r\n";
    for (int g = 0; g < kGroupCount; ++g) {
        if (!m_groups[g].included) continue;
        text += kHeadings[g];
        text += group(Group(g)).result;
    }
    if (countRecords) {
        text +=
            "\r\n// Aşağıdaki kodlar Tablonuzda toplam kac tane kayit  oldugunu integer tipi "
            "ile dönderiyor\r\n\r\n";
        text += "SQLiteDatabase vt = VtArac.getReadableDatabase();\r\n";
        text += "Cursor VTYeri = vt.rawQuery(\"select count(*) from ";
        text += javaString(tableName);
        text += "\", null);\r\n";
        text += "startManagingCursor(VTYeri);\r\n";
        text += "VTYeri.moveToFirst();\r\n";
        text +=
            "int ToplamKayitSayisi= VTYeri.getInt(0);\r\n"
            "//*******************************************************************\r\n";
    }
    return text;
}

}  // namespace nakkas
