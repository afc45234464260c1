package com.firma.uyg

import android.app.TabActivity
import android.content.Intent
import android.os.Bundle
import android.view.Menu
import android.view.MenuItem

class AnaEkran : TabActivity() {
    override fun onCreate(savedInstanceState: Bundle?) {
        super.onCreate(savedInstanceState)
        setContentView(R.layout.activity_main)
        val tab1Spc = tabHost.newTabSpec("")
        tab1Spc.setIndicator("Baslik \"1\" & <2> \\ yol \$x \${y}", resources.getDrawable(R.drawable.simge_tab1))
        val tab1Intent = Intent(this, Tab1Activity::class.java)
        tab1Spc.setContent(tab1Intent)
        tabHost.addTab(tab1Spc)
        tabHost.currentTab = 0
    }

    // Menu Olusturma Kodlari buradan basliyor
    override fun onCreateOptionsMenu(menu: Menu): Boolean {
        menuInflater.inflate(R.layout.zep_menu, menu)
        return true
    }

    override fun onOptionsItemSelected(item: MenuItem): Boolean {
        return when (item.itemId) {
            else -> super.onOptionsItemSelected(item)
        }
    }
    //Menu Olusturma kodu burada bitti
}
