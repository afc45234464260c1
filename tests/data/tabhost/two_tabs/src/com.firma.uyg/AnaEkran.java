package com.firma.uyg;

import android.app.TabActivity;
import android.content.Intent;
import android.os.Bundle;
import android.widget.TabHost;
import android.widget.TabHost.TabSpec;

public class AnaEkran extends TabActivity {
int Oryantasyon;
public void onCreate(Bundle savedInstanceState) {
super.onCreate(savedInstanceState);
setContentView(R.layout.activity_main);
TabHost tabHost = getTabHost();
TabSpec Tab1Spc = tabHost.newTabSpec("");
Tab1Spc.setIndicator("Ana", getResources().getDrawable(R.drawable.simge_tab1));
Intent Tab1Intent = new Intent(this, Tab1Activity.class);
Tab1Spc.setContent(Tab1Intent);
TabSpec Tab2Spc = tabHost.newTabSpec("");
Tab2Spc.setIndicator("Ayarlar", getResources().getDrawable(R.drawable.simge_tab2));
Intent Tab2Intent = new Intent(this, Tab2Activity.class);
Tab2Spc.setContent(Tab2Intent);
tabHost.addTab(Tab1Spc);
tabHost.addTab(Tab2Spc);
tabHost.setCurrentTab(1);

}
}
