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
Tab1Spc.setIndicator("Baslik \"1\" & <2> \\ yol", getResources().getDrawable(R.drawable.simge_tab1));
Intent Tab1Intent = new Intent(this, Tab1Activity.class);
Tab1Spc.setContent(Tab1Intent);
tabHost.addTab(Tab1Spc);
tabHost.setCurrentTab(0);

}
}
