package com.zep.rehber

import android.content.Context
import android.database.sqlite.SQLiteDatabase
import android.database.sqlite.SQLiteOpenHelper

class DatabaseHelper(cntx: Context) : SQLiteOpenHelper(cntx, VT_ADI, null, VT_VERSIYON) {

    companion object {
        const val VT_ADI = "C:\\vt\$1.db"
        const val VT_TABLO = "\"my table\""
        const val VT_VERSIYON = 2 // Buradaki 2 degeri Veritabani versiyonu anlamina geliyor
    }

    override fun onCreate(VT: SQLiteDatabase) {
        VT.execSQL("CREATE TABLE $VT_TABLO( id INTEGER PRIMARY KEY AUTOINCREMENT , \"ad \$soyad\" TEXT   NOT NULL  )")
    }

    override fun onUpgrade(vt: SQLiteDatabase, EskiSurum: Int, YeniSurum: Int) {
        /*vt.execSQL("DROP TABLE IF EXISTS $VT_TABLO")
        onCreate(vt)*/
    }
}
