#include "tools/sqlite_tool/sqlite_templates.h"

#include <algorithm>

#include "text/escape.h"
#include "tools/sqlite_tool/text_file_writer.h"

namespace nakkas {

namespace {

// The Java class keeps the mixed line ends it has always had; the record commands go to the
// code panel with CR LF.
constexpr SqliteTemplates kJava = {
    {
        javaString,
        "package %p;\n",
        "package %p;\n",  // an empty package still gets its line
        "",
        "import android.content.Context;\n"
        "import android.database.sqlite.SQLiteDatabase;\n"
        "import android.database.sqlite.SQLiteOpenHelper;\r\n"
        "public class DatabaseHelper extends SQLiteOpenHelper\n{\n"
        "   public static final String VT_ADI=\"%d\";\n"
        "   public static final String VT_TABLO=\"%t\";\r\n"
        "public DatabaseHelper(Context cntx)\n{\n"
        "   super(cntx, VT_ADI, null, %v); // Buradaki %v degeri Veritabani versiyonu anlamina "
        "geliyor\n}\r\n"
        "public void onCreate(SQLiteDatabase VT)\n{\n"
        "   VT.execSQL(\"CREATE TABLE \" + VT_TABLO + \"( %s )\");\n}\r\n"
        "public void onUpgrade(SQLiteDatabase vt, int EskiSurum, int YeniSurum)\n{\n"
        "   /*vt.execSQL(\"DROP TABLE IF EXISTS %c\");\n   onCreate(vt);*/\n}\n}\n",
        "Java Kaynak Kod (*.java)",
        "java",
        writeTextFile,
    },
    {
        javaString,
        "%v.getText().toString()",
        "%v.toString()",

        "SQLiteDatabase vt = VtArac.getWritableDatabase();\r\ntry\r\n{\r\n"
        "ContentValues vtdeger = new ContentValues();\r\n",
        "vtdeger.put(\"%q\", %x);\r\n",
        "vt.insert(DatabaseHelper.VT_TABLO, null, vtdeger);\r\n",
        "%v.setText(\"\");\r\n",
        "}\r\ncatch (Exception e)\r\n{\r\n\r\n}\r\nfinally\r\n{\r\nvt.close();\r\n",
        "Toast.makeText(MainActivity.this, \"Kayıt Eklendi\", Toast.LENGTH_SHORT).show();\r\n",
        "}\r\n//***********************************************************\r\n\r\n\r\n",

        "SQLiteDatabase vt = VtArac.getReadableDatabase();\r\n"
        "ContentValues GuncelParametreler = new ContentValues();\r\n",
        "GuncelParametreler.put(\"%q\", %x);\r\n",
        "vt.update(\"%t\", GuncelParametreler, \"%k\" + \"=\" + 1, null);\r\n",
        "Toast.makeText(MainActivity.this, \"Kayıt Güncellendi\", Toast.LENGTH_SHORT).show();\r\n",
        "//Bu ust satirdaki kodda belirlediginiz birincil anahtara göre 1 numaralı indexi "
        "değiştirme işlemi yapıyor\r\n"
        "//***********************************************************\r\n\r\n\r\n",

        "SQLiteDatabase vt = VtArac.getReadableDatabase();\r\n"
        "Cursor VTYeri = vt.query(DatabaseHelper.VT_TABLO, new String[]{",
        "\"%q\"",
        ", \"%q\"",
        "}, \"%k\" + \"=\" + 1, null, null, null,null, null);\r\n"
        "startManagingCursor(VTYeri);\r\nwhile(VTYeri.moveToNext())\r\n{\r\n",
        "String %c_Degiskeni = VTYeri.getString((VTYeri.getColumnIndex(\"%q\")));\r\n"
        "%v.setText(%c_Degiskeni.toString());\r\n",
        "}\r\n//***********************************************************\r\n\r\n\r\n\r\n",

        "SQLiteDatabase vt = VtArac.getReadableDatabase();\r\n"
        "vt.delete(\"%t\", \"%k\" + \"=\" + SilinecekKayitNumarasi, null);\r\n",
        "Toast.makeText(MainActivity.this, \"Kayıt Silindi\", Toast.LENGTH_SHORT).show();\r\n",
        "//Sil orneklemesinde tablonuzdaki birincil anahtar olarak belirlediginiz hucre uzerinden "
        "silme islemi yapiliyor.\r\n//Mesela 3 id numarali kaydi silmek istiyorsaniz kod "
        "icerisindeki \"SilinecekKayitNumarasi\" yerine 3 yazmalisiniz\r\n"
        "//***********************************************************\r\n\r\n\r\n",

        "// *** Öncelikle aşağıdaki satırı Activitynize ait Class'in içine yazın\r\n"
        "private DatabaseHelper VtArac;\r\n\r\n"
        "// *** Aşağıdaki bu satırı ise Activitynize ait onCreate metodunun içerisine yazın\r\n"
        "VtArac = new DatabaseHelper(this);\r\n\r\n\r\n",
        {
            "// Aşağıdaki kodları kayıt yapacak düğmenin içerisine yazın ***\r\n\r\n",
            "// Aşağıdaki kodları güncelleme yapacak düğmenin içerisine yazın ***\r\n\r\n",
            "// Aşağıdaki kodları kayıtları gösterecek düğmenin içerisine yazın ***\r\n\r\n",
            "// Aşağıdaki kodları kayıtları silecek düğmenin içerisine yazın ***\r\n\r\n",
        },
        "\r\n// Aşağıdaki kodlar Tablonuzda toplam kac tane kayit  oldugunu integer tipi ile "
        "dönderiyor\r\n\r\n"
        "SQLiteDatabase vt = VtArac.getReadableDatabase();\r\n"
        "Cursor VTYeri = vt.rawQuery(\"select count(*) from %t\", null);\r\n"
        "startManagingCursor(VTYeri);\r\n"
        "VTYeri.moveToFirst();\r\n"
        "int ToplamKayitSayisi= VTYeri.getInt(0);\r\n"
        "//*******************************************************************\r\n",
    },
};

// The Kotlin class is a file of today's projects: LF alone, saved as UTF-8. The record commands
// go to the code panel with CR LF like the Java ones. Each section keeps its names inside a
// lambda or gives them a name of its own, so that all of them pasted into one method still
// compile; the table is always DatabaseHelper.VT_TABLO, so the commands follow a renamed table.
constexpr SqliteTemplates kKotlin = {
    {
        kotlinString,
        "package %p\n\n",
        "",   // the default package has no line at all
        "1",  // a helper needs a version to compile, and a new database starts at 1
        "import android.content.Context\n"
        "import android.database.sqlite.SQLiteDatabase\n"
        "import android.database.sqlite.SQLiteOpenHelper\n"
        "\n"
        "class DatabaseHelper(cntx: Context) : SQLiteOpenHelper(cntx, VT_ADI, null, VT_VERSIYON) "
        "{\n"
        "\n"
        "    companion object {\n"
        "        const val VT_ADI = \"%d\"\n"
        "        const val VT_TABLO = \"%t\"\n"
        "        const val VT_VERSIYON = %v // Buradaki %v degeri Veritabani versiyonu anlamina "
        "geliyor\n"
        "    }\n"
        "\n"
        "    override fun onCreate(VT: SQLiteDatabase) {\n"
        "        VT.execSQL(\"CREATE TABLE $VT_TABLO( %s )\")\n"
        "    }\n"
        "\n"
        "    override fun onUpgrade(vt: SQLiteDatabase, EskiSurum: Int, YeniSurum: Int) {\n"
        "        /*vt.execSQL(\"DROP TABLE IF EXISTS $VT_TABLO\")\n"
        "        onCreate(vt)*/\n"
        "    }\n"
        "}\n",
        "Kotlin Kaynak Kod (*.kt)",
        "kt",
        writeUtf8TextFile,
    },
    {
        kotlinString,
        "%v.text.toString()",
        "%v.toString()",

        "VtArac.writableDatabase.use { vt ->\r\n    try {\r\n"
        "        val vtdeger = ContentValues()\r\n",
        "        vtdeger.put(\"%q\", %x)\r\n",
        "        vt.insert(DatabaseHelper.VT_TABLO, null, vtdeger)\r\n",
        "        %v.setText(\"\")\r\n",
        "    } catch (e: Exception) {\r\n\r\n",
        "    } finally {\r\n"
        "        Toast.makeText(this, \"Kayıt Eklendi\", Toast.LENGTH_SHORT).show()\r\n",
        "    }\r\n}\r\n//***********************************************************\r\n\r\n\r\n",

        "val GuncelParametreler = ContentValues()\r\n",
        "GuncelParametreler.put(\"%q\", %x)\r\n",
        "VtArac.writableDatabase.update(DatabaseHelper.VT_TABLO, GuncelParametreler, \"%k=1\", "
        "null)\r\n",
        "Toast.makeText(this, \"Kayıt Güncellendi\", Toast.LENGTH_SHORT).show()\r\n",
        "//Bu ust satirdaki kodda belirlediginiz birincil anahtara göre 1 numaralı indexi "
        "değiştirme işlemi yapıyor\r\n"
        "//***********************************************************\r\n\r\n\r\n",

        "VtArac.readableDatabase\r\n    .query(DatabaseHelper.VT_TABLO, arrayOf(",
        "\"%q\"",
        ", \"%q\"",
        "), \"%k=1\", null, null, null, null, null)\r\n"
        "    .use { VTYeri ->\r\n        while (VTYeri.moveToNext()) {\r\n",
        // No variable per column: the same column pressed twice must not declare one twice.
        "            %v.setText(VTYeri.getString(VTYeri.getColumnIndex(\"%q\")))\r\n",
        "        }\r\n    "
        "}\r\n//***********************************************************\r\n\r\n\r\n"
        "\r\n",

        "val SilinecekKayitNumarasi = 0\r\n"
        "VtArac.writableDatabase.delete(DatabaseHelper.VT_TABLO, \"%k=$SilinecekKayitNumarasi\", "
        "null)\r\n",
        "Toast.makeText(this, \"Kayıt Silindi\", Toast.LENGTH_SHORT).show()\r\n",
        "//Sil orneklemesinde tablonuzdaki birincil anahtar olarak belirlediginiz hucre uzerinden "
        "silme islemi yapiliyor.\r\n//Mesela 3 id numarali kaydi silmek istiyorsaniz kod "
        "icerisindeki \"SilinecekKayitNumarasi\" degerini 3 yapmalisiniz\r\n"
        "//***********************************************************\r\n\r\n\r\n",

        "// *** Öncelikle aşağıdaki satırı Activitynize ait Class'in içine yazın\r\n"
        "private lateinit var VtArac: DatabaseHelper\r\n\r\n"
        "// onCreate içinde:\r\n"
        "// *** Aşağıdaki bu satırı ise Activitynize ait onCreate metodunun içerisine yazın\r\n"
        "VtArac = DatabaseHelper(this)\r\n\r\n\r\n",
        {
            kJava.records.headings[0],
            kJava.records.headings[1],
            kJava.records.headings[2],
            kJava.records.headings[3],
        },
        "\r\n// Aşağıdaki kodlar Tablonuzda toplam kac tane kayit  oldugunu integer tipi ile "
        "dönderiyor\r\n\r\n"
        "val ToplamKayitSayisi = VtArac.readableDatabase\r\n"
        "    .rawQuery(\"select count(*) from ${DatabaseHelper.VT_TABLO}\", null)\r\n"
        "    .use { VTYeri ->\r\n"
        "        VTYeri.moveToFirst()\r\n"
        "        VTYeri.getInt(0)\r\n"
        "    }\r\n"
        "//*******************************************************************\r\n",
    },
};

}  // namespace

const SqliteTemplates& sqliteTemplates(Language language) {
    return language == Language::Kotlin ? kKotlin : kJava;
}

void appendFilled(std::string& out, std::string_view text, std::initializer_list<Hole> holes) {
    std::size_t from = 0;
    for (std::size_t at; (at = text.find('%', from)) != std::string_view::npos;) {
        out.append(text, from, at - from);
        const char key = at + 1 < text.size() ? text[at + 1] : '\0';
        const auto hole =
            std::find_if(holes.begin(), holes.end(), [key](const Hole& h) { return h.key == key; });
        if (hole == holes.end()) {
            out += '%';
            from = at + 1;
        } else {
            out += hole->value;
            from = at + 2;
        }
    }
    out.append(text, from);
}

}  // namespace nakkas
