val label_degisken1 = findViewById<TextView>(R.id.textView1)
label_degisken1.setOnClickListener {
    // Tiklandiginda yapılacaklari buraya yazin
    // NOT: Nesneyi label_degisken1. yazarak kullanacaksınız
}