package com.zep.okul

import android.content.Context
import android.database.sqlite.SQLiteDatabase
import android.database.sqlite.SQLiteOpenHelper

class DatabaseHelper(cntx: Context) : SQLiteOpenHelper(cntx, VT_ADI, null, VT_VERSIYON) {

    companion object {
        const val VT_ADI = "Okul€.db"
        const val VT_TABLO = "Öğrenciler"
        const val VT_VERSIYON = 3 // Buradaki 3 degeri Veritabani versiyonu anlamina geliyor
    }

    override fun onCreate(VT: SQLiteDatabase) {
        VT.execSQL("CREATE TABLE $VT_TABLO( numara INTEGER PRIMARY KEY AUTOINCREMENT , adı TEXT   NOT NULL, şube TEXT   NULL  )")
    }

    override fun onUpgrade(vt: SQLiteDatabase, EskiSurum: Int, YeniSurum: Int) {
        /*vt.execSQL("DROP TABLE IF EXISTS $VT_TABLO")
        onCreate(vt)*/
    }
}
