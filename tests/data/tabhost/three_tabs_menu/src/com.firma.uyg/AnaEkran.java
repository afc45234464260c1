package com.firma.uyg;

import android.app.Activity;
import android.view.Menu;
import android.view.MenuInflater;
import android.view.MenuItem;
import android.app.TabActivity;
import android.content.Intent;
import android.os.Bundle;
import android.widget.TabHost;
import android.widget.TabHost.TabSpec;
import android.content.pm.ActivityInfo;
import android.view.Window;
import android.view.WindowManager;

public class AnaEkran extends TabActivity {
int Oryantasyon;
public void onCreate(Bundle savedInstanceState) {
super.onCreate(savedInstanceState);
requestWindowFeature(Window.FEATURE_NO_TITLE);
getWindow().setFlags(WindowManager.LayoutParams.FLAG_FULLSCREEN, WindowManager.LayoutParams.FLAG_FULLSCREEN);
setContentView(R.layout.activity_main);
Oryantasyon = ActivityInfo.SCREEN_ORIENTATION_LANDSCAPE;
setRequestedOrientation(Oryantasyon);
TabHost tabHost = getTabHost();
TabSpec Tab1Spc = tabHost.newTabSpec("");
Tab1Spc.setIndicator("Tab Basligi 1", getResources().getDrawable(R.drawable.simge_tab1));
Intent Tab1Intent = new Intent(this, Tab1Activity.class);
Tab1Spc.setContent(Tab1Intent);
TabSpec Tab2Spc = tabHost.newTabSpec("");
Tab2Spc.setIndicator("Ayarlar", getResources().getDrawable(R.drawable.simge_tab2));
Intent Tab2Intent = new Intent(this, AyarlarActivity.class);
Tab2Spc.setContent(Tab2Intent);
TabSpec Tab3Spc = tabHost.newTabSpec("");
Tab3Spc.setIndicator("Sehir Ici", getResources().getDrawable(R.drawable.simge_tab3));
Intent Tab3Intent = new Intent(this, Tab3Activity.class);
Tab3Spc.setContent(Tab3Intent);
tabHost.addTab(Tab1Spc);
tabHost.addTab(Tab2Spc);
tabHost.addTab(Tab3Spc);
tabHost.setCurrentTab(2);

}
// Menu Olusturma Kodlari buradan basliyor
public boolean onCreateOptionsMenu(Menu menu)
{
MenuInflater MenuObjesi = getMenuInflater();
MenuObjesi.inflate(R.layout.zep_menu, menu);
return true;
}

public boolean onOptionsItemSelected(MenuItem item) {
switch (item.getItemId()) {
case R.id.zep1_menu:
// Menu ismi 1 isimli menuye basildiginda olacak olaylari buraya yazin
return true;
case R.id.zep2_menu:
// Cikis isimli menuye basildiginda olacak olaylari buraya yazin
return true;
case R.id.zep3_menu:
// Menu ismi 3 isimli menuye basildiginda olacak olaylari buraya yazin
return true;
default:
return super.onOptionsItemSelected(item);
}
}
//Menu Olusturma kodu burada bitti
protected void onStart()
{
super.onStart();
//Uygulama Basladiginda olacak olaylar buraya yazilir
}
protected void onStop()
{
super.onStop();
//Uygulama durdugunda olacak olaylar buraya yazilir
}
protected void onDestroy()
{
super.onDestroy();
//Uygulama kapatildiginda olacak olaylar buraya yazilir
}
}
