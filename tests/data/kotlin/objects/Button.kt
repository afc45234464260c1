val button_degisken1 = findViewById<Button>(R.id.button1)
button_degisken1.setOnClickListener {
    // Tiklandiginda yapılacaklari buraya yazin
    // NOT: Nesneyi button_degisken1. yazarak kullanacaksınız
}