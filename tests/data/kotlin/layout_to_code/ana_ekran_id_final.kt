val kok_duzen = findViewById<LinearLayout>(R.id.kok_duzen)


val txt_baslik = findViewById<TextView>(R.id.txt_baslik)
txt_baslik.setOnClickListener {
    // Tiklandiginda yapılacaklari buraya yazin
    // NOT: Nesneyi txt_baslik. yazarak kullanacaksınız
}

val btn_geri = findViewById<ImageButton>(R.id.btn_geri)
btn_geri.setOnClickListener {
    // Tiklandiginda yapılacaklari buraya yazin
    // NOT: Nesneyi btn_geri. yazarak kullanacaksınız
}

val edit_ad = findViewById<EditText>(R.id.edit_ad)
edit_ad.addTextChangedListener(object : TextWatcher {
    override fun afterTextChanged(yazi: Editable?) {
        // Yazı kutusu içerisine birşeyler yazıldığında olmasını istediklerinizi buraya yazın
    }

    override fun beforeTextChanged(yazi: CharSequence?, baslangic: Int, toplami: Int, sonra: Int) {} //Diğer Metod
    override fun onTextChanged(yazi: CharSequence?, baslangic: Int, once: Int, toplami: Int) {} //Diğer Metod
})

val btn_kaydet = findViewById<Button>(R.id.btn_kaydet)
btn_kaydet.setOnClickListener {
    // Tiklandiginda yapılacaklari buraya yazin
    // NOT: Nesneyi btn_kaydet. yazarak kullanacaksınız
}

val ozel_alan = findViewById<OzelGorunum>(R.id.ozel_alan)


val grafik_1 = findViewById<Grafik>(R.id.grafik_1)


val list = findViewById<ListView>(android.R.id.list)
// Liste elemanlarını Liste Elemanı Oluşturucu ile ekleyin (Kod Araçları > Çoklu Nesne Aracı)


val alt_panel = findViewById<RelativeLayout>(R.id.alt_panel)


val chk_hatirla = findViewById<CheckBox>(R.id.chk_hatirla)
chk_hatirla.setOnClickListener {
    // Tiklandiginda yapılacaklari buraya yazin
    // NOT: Nesneyi chk_hatirla. yazarak kullanacaksınız
    // Örneğin: chk_hatirla.isChecked = true veya if (chk_hatirla.isChecked)
}

val progress_yukleme = findViewById<ProgressBar>(R.id.progress_yukleme)

//Bu nesne aşağıdaki gibi kontrol edilebilir.
//progress_yukleme.max = 1000 ile En fazla nekadar olduğu belirlenir
//progress_yukleme.progress = 10 ile nekadarının dolu olacağı kararlaştırılır.

val spn_sehir = findViewById<Spinner>(R.id.spn_sehir)
// Liste elemanlarını Liste Elemanı Oluşturucu ile ekleyin (Kod Araçları > Çoklu Nesne Aracı)


val tarih_secici = findViewById<DatePicker>(R.id.tarih_secici)
