val toggle_degisken1 = findViewById<ToggleButton>(R.id.toggleButton1)
toggle_degisken1.setOnClickListener {
    // Tiklandiginda yapılacaklari buraya yazin
    // NOT: Nesneyi toggle_degisken1. yazarak kullanacaksınız
    // Örneğin: toggle_degisken1.text = "Açık" veya if (toggle_degisken1.isChecked)
}