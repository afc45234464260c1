private lateinit var kokDuzen: LinearLayout
private lateinit var txtBaslik: TextView
private lateinit var btnGeri: ImageButton
private lateinit var editAd: EditText
private lateinit var btnKaydet: Button
private lateinit var ozelAlan: OzelGorunum
private lateinit var grafik1: Grafik
private lateinit var list: ListView
private lateinit var altPanel: RelativeLayout
private lateinit var chkHatirla: CheckBox
private lateinit var progressYukleme: ProgressBar
private lateinit var spnSehir: Spinner
private lateinit var tarihSecici: DatePicker
// onCreate içinde:
kokDuzen = findViewById(R.id.kok_duzen)


txtBaslik = findViewById(R.id.txt_baslik)


btnGeri = findViewById(R.id.btn_geri)


editAd = findViewById(R.id.edit_ad)


btnKaydet = findViewById(R.id.btn_kaydet)


ozelAlan = findViewById(R.id.ozel_alan)


grafik1 = findViewById(R.id.grafik_1)


list = findViewById(android.R.id.list)
// Liste elemanlarını Liste Elemanı Oluşturucu ile ekleyin (Kod Araçları > Çoklu Nesne Aracı)


altPanel = findViewById(R.id.alt_panel)


chkHatirla = findViewById(R.id.chk_hatirla)


progressYukleme = findViewById(R.id.progress_yukleme)



spnSehir = findViewById(R.id.spn_sehir)
// Liste elemanlarını Liste Elemanı Oluşturucu ile ekleyin (Kod Araçları > Çoklu Nesne Aracı)


tarihSecici = findViewById(R.id.tarih_secici)
