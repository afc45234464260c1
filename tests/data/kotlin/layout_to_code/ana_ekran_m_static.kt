companion object {
    lateinit var mBtnKaydet: Button
    lateinit var mList: ListView
    lateinit var mProgressYukleme: ProgressBar
}
// onCreate içinde:
mBtnKaydet = findViewById(R.id.btn_kaydet)
mBtnKaydet.setOnClickListener {
    // Tiklandiginda yapılacaklari buraya yazin
    // NOT: Nesneyi mBtnKaydet. yazarak kullanacaksınız
}

mList = findViewById(android.R.id.list)
// Liste elemanlarını Liste Elemanı Oluşturucu ile ekleyin (Kod Araçları > Çoklu Nesne Aracı)


mProgressYukleme = findViewById(R.id.progress_yukleme)

//Bu nesne aşağıdaki gibi kontrol edilebilir.
//mProgressYukleme.max = 1000 ile En fazla nekadar olduğu belirlenir
//mProgressYukleme.progress = 10 ile nekadarının dolu olacağı kararlaştırılır.