package com.firma.uyg

import android.app.Activity
import android.os.Bundle

class Tab2Activity : Activity() {
    override fun onCreate(savedInstanceState: Bundle?) {
        super.onCreate(savedInstanceState)
        setContentView(R.layout.tab2_layout)
    }
}
