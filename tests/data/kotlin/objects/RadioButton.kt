lateinit var radio_degisken1: RadioButton
// onCreate içinde:
radio_degisken1 = findViewById(R.id.radioButton1)
radio_degisken1.setOnClickListener {
    // Tiklandiginda yapılacaklari buraya yazin
    // NOT: Nesneyi radio_degisken1. yazarak kullanacaksınız
    // Örneğin: radio_degisken1.isChecked = true veya if (radio_degisken1.isChecked)
}