val iBtn_degisken1 = findViewById<ImageButton>(R.id.imageButton1)
iBtn_degisken1.setOnClickListener {
    // Tiklandiginda yapılacaklari buraya yazin
    // NOT: Nesneyi iBtn_degisken1. yazarak kullanacaksınız
}