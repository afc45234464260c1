package com.firma.uyg

import android.app.TabActivity
import android.content.Intent
import android.os.Bundle

class AnaEkran : TabActivity() {
    override fun onCreate(savedInstanceState: Bundle?) {
        super.onCreate(savedInstanceState)
        setContentView(R.layout.activity_main)
        val sekmeler = tabHost

        val tab1Spc = sekmeler.newTabSpec("")
        tab1Spc.setIndicator("Ana", resources.getDrawable(R.drawable.simge_tab1))
        tab1Spc.setContent(Intent(this, Tab1Activity::class.java))

        val tab2Spc = sekmeler.newTabSpec("")
        tab2Spc.setIndicator("Ayarlar", resources.getDrawable(R.drawable.simge_tab2))
        tab2Spc.setContent(Intent(this, Tab2Activity::class.java))

        sekmeler.addTab(tab1Spc)
        sekmeler.addTab(tab2Spc)
        sekmeler.setCurrentTab(1)
    }
}
