// Öncelikle Titresim izni için AndroidManifest.xml dosyasına aşağıdaki satırı ekleyin
<uses-permission android:name="android.permission.VIBRATE"/>

// Aşağıdaki tanımlama satırını Activity'nize ait Class'in içerisine tanımlayın
private lateinit var Titresim: Vibrator

// Aşağıdaki satırı onCreate metodundaki setContentView(R.layout.activity_main) satırın hemen altına yazın
Titresim = getSystemService(Context.VIBRATOR_SERVICE) as Vibrator

Titresim.vibrate(300) // 300 milisaniye titret ve durdur
val TitresimRitmi = longArrayOf(0L, 150L, 300L, 800L, 350L, 400L)
Titresim.vibrate(TitresimRitmi, 2) //NOT: sürekli tekrar eder, durdurmanız gerekiyor
Titresim.cancel()
