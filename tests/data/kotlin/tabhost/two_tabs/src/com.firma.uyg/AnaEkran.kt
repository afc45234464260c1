package com.firma.uyg

import android.app.TabActivity
import android.content.Intent
import android.content.pm.ActivityInfo
import android.os.Bundle

class AnaEkran : TabActivity() {
    override fun onCreate(savedInstanceState: Bundle?) {
        super.onCreate(savedInstanceState)
        setContentView(R.layout.activity_main)
        requestedOrientation = ActivityInfo.SCREEN_ORIENTATION_PORTRAIT
        val tab1Spc = tabHost.newTabSpec("")
        tab1Spc.setIndicator("Ana", resources.getDrawable(R.drawable.simge_tab1))
        val tab1Intent = Intent(this, Tab1Activity::class.java)
        tab1Spc.setContent(tab1Intent)
        val tab2Spc = tabHost.newTabSpec("")
        tab2Spc.setIndicator("Ayarlar", resources.getDrawable(R.drawable.simge_tab2))
        val tab2Intent = Intent(this, Tab2Activity::class.java)
        tab2Spc.setContent(tab2Intent)
        tabHost.addTab(tab1Spc)
        tabHost.addTab(tab2Spc)
        tabHost.currentTab = 1
    }

    override fun onPause() {
        super.onPause()
        //Uygulama Arkaplana atildiginda olacak olaylar buraya yazilir
    }

    override fun onResume() {
        super.onResume()
        //Uygulama calisiyorken olacak olaylar buraya yazilir
    }

    override fun onRestart() {
        super.onRestart()
        //Uygulama yeniden baslatildiginda olacak olaylar buraya yazilir
    }
}
