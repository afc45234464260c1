package com.firma.uyg

import android.app.TabActivity
import android.content.Intent
import android.content.pm.ActivityInfo
import android.os.Bundle
import android.view.Menu
import android.view.MenuItem
import android.view.Window
import android.view.WindowManager

class AnaEkran : TabActivity() {
    override fun onCreate(savedInstanceState: Bundle?) {
        super.onCreate(savedInstanceState)
        requestWindowFeature(Window.FEATURE_NO_TITLE)
        window.setFlags(WindowManager.LayoutParams.FLAG_FULLSCREEN, WindowManager.LayoutParams.FLAG_FULLSCREEN)
        setContentView(R.layout.activity_main)
        requestedOrientation = ActivityInfo.SCREEN_ORIENTATION_LANDSCAPE
        val tab1Spc = tabHost.newTabSpec("")
        tab1Spc.setIndicator("Tab Basligi 1", resources.getDrawable(R.drawable.simge_tab1))
        val tab1Intent = Intent(this, Tab1Activity::class.java)
        tab1Spc.setContent(tab1Intent)
        val tab2Spc = tabHost.newTabSpec("")
        tab2Spc.setIndicator("Ayarlar", resources.getDrawable(R.drawable.simge_tab2))
        val tab2Intent = Intent(this, AyarlarActivity::class.java)
        tab2Spc.setContent(tab2Intent)
        val tab3Spc = tabHost.newTabSpec("")
        tab3Spc.setIndicator("Sehir Ici", resources.getDrawable(R.drawable.simge_tab3))
        val tab3Intent = Intent(this, Tab3Activity::class.java)
        tab3Spc.setContent(tab3Intent)
        tabHost.addTab(tab1Spc)
        tabHost.addTab(tab2Spc)
        tabHost.addTab(tab3Spc)
        tabHost.currentTab = 2
    }

    // Menu Olusturma Kodlari buradan basliyor
    override fun onCreateOptionsMenu(menu: Menu): Boolean {
        menuInflater.inflate(R.layout.zep_menu, menu)
        return true
    }

    override fun onOptionsItemSelected(item: MenuItem): Boolean {
        return when (item.itemId) {
            R.id.zep1_menu -> {
                // Menu ismi 1 isimli menuye basildiginda olacak olaylari buraya yazin
                true
            }
            R.id.zep2_menu -> {
                // Cikis isimli menuye basildiginda olacak olaylari buraya yazin
                true
            }
            R.id.zep3_menu -> {
                // Menu ismi 3 isimli menuye basildiginda olacak olaylari buraya yazin
                true
            }
            else -> super.onOptionsItemSelected(item)
        }
    }
    //Menu Olusturma kodu burada bitti

    override fun onStart() {
        super.onStart()
        //Uygulama Basladiginda olacak olaylar buraya yazilir
    }

    override fun onStop() {
        super.onStop()
        //Uygulama durdugunda olacak olaylar buraya yazilir
    }

    override fun onDestroy() {
        super.onDestroy()
        //Uygulama kapatildiginda olacak olaylar buraya yazilir
    }
}
