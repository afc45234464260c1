package com.firma.uyg;

import android.app.Activity;
import android.os.Bundle;

public class Tab1Activity extends Activity {
public void onCreate(Bundle savedInstanceState) {
super.onCreate(savedInstanceState);
setContentView(R.layout.tab1_layout);
}
}
