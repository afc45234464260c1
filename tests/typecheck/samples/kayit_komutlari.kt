// *** Öncelikle aşağıdaki satırı Activitynize ait Class'in içine yazın
private lateinit var VtArac: DatabaseHelper

// *** Aşağıdaki bu satırı ise Activitynize ait onCreate metodunun içerisine yazın
VtArac = DatabaseHelper(this)

// Aşağıdaki kodları kayıt yapacak düğmenin içerisine yazın ***
val vt = VtArac.writableDatabase
try {
    val vtdeger = ContentValues()
    vtdeger.put("ad", adKutusu.text.toString())
    vt.insert(DatabaseHelper.VT_TABLO, null, vtdeger)
    adKutusu.setText("")
} catch (e: Exception) {
} finally {
    vt.close()
}

// Aşağıdaki kodları kayıtları gösterecek düğmenin içerisine yazın ***
val vt = VtArac.readableDatabase
vt.query(DatabaseHelper.VT_TABLO, arrayOf("ad"), "id" + "=" + 1, null, null, null, null, null).use { VTYeri ->
    while (VTYeri.moveToNext()) {
        val ad_Degiskeni = VTYeri.getString(VTYeri.getColumnIndex("ad"))
        adGoster.text = ad_Degiskeni
    }
}

// Aşağıdaki kodlar Tablonuzda toplam kac tane kayit oldugunu Int olarak dönderiyor
val vt = VtArac.readableDatabase
val ToplamKayitSayisi = vt.rawQuery("select count(*) from Kisiler", null).use { VTYeri ->
    VTYeri.moveToFirst()
    VTYeri.getInt(0)
}
