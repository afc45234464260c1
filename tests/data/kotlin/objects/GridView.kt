val grid_degisken1 = findViewById<GridView>(R.id.gridView1)
val hucreler = arrayOf("a", "b c")
val baglayici = ArrayAdapter(this, android.R.layout.simple_list_item_1, hucreler)
grid_degisken1.adapter = baglayici
grid_degisken1.setOnItemClickListener { _, view, position, id ->
    // Tıklandiginda olacak işlemleri buraya yazın
    Toast.makeText(applicationContext, (view as TextView).text, Toast.LENGTH_SHORT).show() //Örnek Hücre Okuma
}