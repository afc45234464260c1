package com.firma.uyg

import android.app.Activity
import android.os.Bundle

class Tab3Activity : Activity() {
    override fun onCreate(savedInstanceState: Bundle?) {
        super.onCreate(savedInstanceState)
        setContentView(R.layout.tab3_layout)
    }
}
