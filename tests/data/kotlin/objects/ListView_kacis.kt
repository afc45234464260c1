private lateinit var list_degisken1: ListView
// onCreate içinde:
list_degisken1 = findViewById(R.id.listView1)
val elemanDizisi = arrayOf("Ali \"Veli\"", "C:\\yol", "\$fiyat TL", "\${x}", "Şeker")
val baglayici = ArrayAdapter(this, android.R.layout.simple_list_item_1, elemanDizisi)
baglayici.setDropDownViewResource(android.R.layout.simple_list_item_1)
list_degisken1.adapter = baglayici

//Olay ve Tetikleme Mekanizmesı;
list_degisken1.setOnItemClickListener { _, view, pos, id ->
    // Kullanıcı listeden birşey seçtiğinde olmasını istediğiniz şeyleri buraya yazın
    Toast.makeText(applicationContext, "Seçiminiz: ${(view as TextView).text}", Toast.LENGTH_SHORT).show() //Örnek Okuma
}