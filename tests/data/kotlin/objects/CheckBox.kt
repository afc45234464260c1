val check_degisken1 = findViewById<CheckBox>(R.id.checkBox1)
check_degisken1.setOnClickListener {
    // Tiklandiginda yapılacaklari buraya yazin
    // NOT: Nesneyi check_degisken1. yazarak kullanacaksınız
    // Örneğin: check_degisken1.isChecked = true veya if (check_degisken1.isChecked)
}