protected lateinit var image_degisken1: ImageView
// onCreate içinde:
image_degisken1 = findViewById(R.id.imageView1)
image_degisken1.setOnClickListener {
    // Tiklandiginda yapılacaklari buraya yazin
    // NOT: Nesneye image_degisken1.setImageResource(R.drawable.ic_launcher) yazarak resim yüklenir.
}