val spinner_degisken1 = findViewById<Spinner>(R.id.spinner1)
val elemanDizisi = arrayOf("a", "b c")
val baglayici = ArrayAdapter(this, android.R.layout.simple_spinner_item, elemanDizisi)
baglayici.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item)
spinner_degisken1.adapter = baglayici

//Olay ve Tetikleme Mekanizmesı;
spinner_degisken1.onItemSelectedListener = object : AdapterView.OnItemSelectedListener {
    override fun onItemSelected(parent: AdapterView<*>?, view: View?, pos: Int, id: Long) {
        // Kullanıcı listeden birşey seçtiğinde olmasını istediğiniz şeyleri buraya yazın
    }

    override fun onNothingSelected(parent: AdapterView<*>?) {}
}