#include "snippets/snippet_catalogue.h"

#include <array>
#include <initializer_list>
#include <string>

namespace nakkas {

namespace {

// Each text is written as the literal pieces it is made of, one piece per source line, so that a
// changed or lost piece stands out in review; the compiler joins them with nothing in between.
// A text ends where its last piece ends: most have no CR LF after their last line, and none may
// gain one. Where a program constant sits inside a text, the text is split around it ("...Basi",
// "...Sonu") and put together once at first use, so the constant exists in one place only.
//
// Each Kotlin twin ("...Kt") follows its Java text, one source line per line of text. A Kotlin text
// is pasted as it stands, so manifest and import lines sit in block comments and every line is
// Kotlin. Where it needs class members as well as statements, the members come first and the line
// "// onCreate içinde:" parts them from the statements; methods that Java lists after the
// statements therefore move up among the members.

// clang-format off

// Panel "Kod Parçaları": screen, orientation, sensor and media.
constexpr std::string_view kTamEkran =
    "//Dikkat: Uygulamanın tam ekran çalışması için aşağıdaki 2 satırlık kodun super.onCreate(savedInstanceState); kodlamasının üzertine yazılması gerekiyor\r\n\r\nrequestWindowFeature(Window.FEATURE_NO_TITLE);\r\ngetWindow().setFlags(WindowManager.LayoutParams.FLAG_FULLSCREEN, WindowManager.LayoutParams.FLAG_FULLSCREEN);";
constexpr std::string_view kTamEkranKt =
    "//Dikkat: Uygulamanın tam ekran çalışması için aşağıdaki 2 satırlık kodun super.onCreate(savedInstanceState) kodlamasının üzertine yazılması gerekiyor\r\n"
    "\r\n"
    "requestWindowFeature(Window.FEATURE_NO_TITLE)\r\n"
    "window.setFlags(WindowManager.LayoutParams.FLAG_FULLSCREEN, WindowManager.LayoutParams.FLAG_FULLSCREEN)";

constexpr std::string_view kYatayDikey =
    "Aşağıdaki int Oryantasyon; adlı değişkeni public void onCreate(Bundle savedInstanceState) satırının üzerine tanımlayın\r\nint Oryantasyon;\r\n\r\nEkranı Dikey olarak konumlandırmak için aşağıdaki kodu kullanın:\r\nOryantasyon = ActivityInfo.SCREEN_ORIENTATION_PORTRAIT;\r\nsetRequestedOrientation(Oryantasyon);\r\n\r\n"
    "Ekranı yatay olarak konumlandırmak için ise bu kodları kullanın:\r\nOryantasyon = ActivityInfo.SCREEN_ORIENTATION_LANDSCAPE;\r\nsetRequestedOrientation(Oryantasyon);";
constexpr std::string_view kYatayDikeyKt =
    "//Aşağıdaki Oryantasyon adlı değişkeni override fun onCreate(savedInstanceState: Bundle?) satırının üzerine tanımlayın\r\n"
    "private var Oryantasyon = 0\r\n"
    "\r\n"
    "// onCreate içinde:\r\n"
    "//Ekranı Dikey olarak konumlandırmak için aşağıdaki kodu kullanın:\r\n"
    "Oryantasyon = ActivityInfo.SCREEN_ORIENTATION_PORTRAIT\r\n"
    "requestedOrientation = Oryantasyon\r\n"
    "\r\n"
    "//Ekranı yatay olarak konumlandırmak için ise bu kodları kullanın:\r\n"
    "Oryantasyon = ActivityInfo.SCREEN_ORIENTATION_LANDSCAPE\r\n"
    "requestedOrientation = Oryantasyon";

constexpr std::string_view kIvmeSensor =
    "// *** Öncelikle layout içerisine 3 adet TextView ekleyin (Değerleri bunların içinde göstereceğiz)\r\n\r\n\r\n\r\n//Aşağıdaki kodları Activitynize ait Class in üst kısımlarında biyere yazın\r\nprivate SensorManager SensorYoneticisi;\r\nprivate Sensor OryantasyonSensoru;\r\nprivate SensorEventListener SensorDinleyici = new SensorEventListener()\r\n{\r\n"
    "public void onSensorChanged(SensorEvent event)\r\n{\r\n   azimuth.setText(String.valueOf(event.values[0]));\r\n   pitch.setText(String.valueOf(event.values[1]));\r\n   roll.setText(String.valueOf(event.values[2]));\r\n}\r\npublic void onAccuracyChanged(Sensor sensor, int accuracy)\r\n{\r\n}\r\n};\r\nTextView azimuth;\r\nTextView pitch;\r\nTextView roll;\r\n\r\n\r\n"
    "//Aşağıdaki kodları onCreate adlı metodun içerisine yazıyoruz\r\nazimuth = (TextView) findViewById(R.id.textView1);\r\npitch = (TextView) findViewById(R.id.textView2);\r\nroll = (TextView) findViewById(R.id.textView3);\r\nSensorYoneticisi = (SensorManager)getSystemService(SENSOR_SERVICE);\r\nOryantasyonSensoru = SensorYoneticisi.getDefaultSensor(Sensor.TYPE_ORIENTATION);\r\n"
    "\r\n\r\n//Son olarak aşağıdaki kodları yine Activitynize ait Class'in içine yazıyoruz\r\n//Fakat bu sefer onCreate metodunun altında biryerlerde yazılmalı\r\n\r\nprotected void onStart()\r\n{\r\n   super.onStart();\r\n   SensorYoneticisi.registerListener(SensorDinleyici, OryantasyonSensoru, SensorManager.SENSOR_DELAY_NORMAL);\r\n}\r\n\r\nprotected void onPause()\r\n{\r\n"
    "  super.onPause();\r\n  SensorYoneticisi.unregisterListener(SensorDinleyici);\r\n}\r\n";
constexpr std::string_view kIvmeSensorKt =
    "// *** Öncelikle layout içerisine 3 adet TextView ekleyin (Değerleri bunların içinde göstereceğiz)\r\n"
    "\r\n"
    "\r\n"
    "\r\n"
    "//Aşağıdaki kodları Activitynize ait Class in üst kısımlarında biyere yazın\r\n"
    "private lateinit var SensorYoneticisi: SensorManager\r\n"
    "private lateinit var OryantasyonSensoru: Sensor\r\n"
    "private lateinit var azimuth: TextView\r\n"
    "private lateinit var pitch: TextView\r\n"
    "private lateinit var roll: TextView\r\n"
    "private val SensorDinleyici = object : SensorEventListener {\r\n"
    "    override fun onSensorChanged(event: SensorEvent) {\r\n"
    "        azimuth.text = event.values[0].toString()\r\n"
    "        pitch.text = event.values[1].toString()\r\n"
    "        roll.text = event.values[2].toString()\r\n"
    "    }\r\n"
    "\r\n"
    "    override fun onAccuracyChanged(sensor: Sensor, accuracy: Int) {\r\n"
    "    }\r\n"
    "}\r\n"
    "\r\n"
    "\r\n"
    "//Aşağıdaki kodları da yine Activitynize ait Class'in içine yazıyoruz\r\n"
    "//Fakat bu sefer onCreate metodunun altında biryerlerde yazılmalı\r\n"
    "\r\n"
    "override fun onStart() {\r\n"
    "    super.onStart()\r\n"
    "    SensorYoneticisi.registerListener(SensorDinleyici, OryantasyonSensoru, SensorManager.SENSOR_DELAY_NORMAL)\r\n"
    "}\r\n"
    "\r\n"
    "override fun onPause() {\r\n"
    "    super.onPause()\r\n"
    "    SensorYoneticisi.unregisterListener(SensorDinleyici)\r\n"
    "}\r\n"
    "\r\n"
    "\r\n"
    "// onCreate içinde:\r\n"
    "//Aşağıdaki kodları onCreate adlı metodun içerisine yazıyoruz\r\n"
    "azimuth = findViewById(R.id.textView1)\r\n"
    "pitch = findViewById(R.id.textView2)\r\n"
    "roll = findViewById(R.id.textView3)\r\n"
    "SensorYoneticisi = getSystemService(Context.SENSOR_SERVICE) as SensorManager\r\n"
    "OryantasyonSensoru = SensorYoneticisi.getDefaultSensor(Sensor.TYPE_ORIENTATION)\r\n";

constexpr std::string_view kSesCal =
    "//Öncelikle projemizdeki res klasörünün içerisine raw adlı yeni bir klasör oluşturulur\r\n//Daha sonra çalmak istediğimiz ses dosyalarını (MP3 formatında olmalıdır) raw klasörüne atıyoruz\r\n\r\nfinal MediaPlayer SesKontrol= MediaPlayer.create(this,R.raw.mp3sesdosyaminadi);\r\n//Çalmak için ise aşağıdaki kod satırı kullanılır:\r\nSesKontrol.start();";
constexpr std::string_view kSesCalKt =
    "//Öncelikle projemizdeki res klasörünün içerisine raw adlı yeni bir klasör oluşturulur\r\n"
    "//Daha sonra çalmak istediğimiz ses dosyalarını (MP3 formatında olmalıdır) raw klasörüne atıyoruz\r\n"
    "\r\n"
    "val SesKontrol = MediaPlayer.create(this, R.raw.mp3sesdosyaminadi)\r\n"
    "//Çalmak için ise aşağıdaki kod satırı kullanılır:\r\n"
    "SesKontrol.start()";

constexpr std::string_view kSesModu =
    "final AudioManager TelefonModu = (AudioManager) this.getSystemService(Context.AUDIO_SERVICE);\r\n\r\n//Telefonu Sessiz Moduna getirmek için aşağıdaki kod satırını kullanın:\r\nTelefonModu.setRingerMode(AudioManager.RINGER_MODE_SILENT);\r\n\r\n//Telefonu Titreşim Moduna getirmek için aşağıdaki kod satırını kullanın:\r\n"
    "TelefonModu.setRingerMode(AudioManager.RINGER_MODE_VIBRATE);\r\n\r\n//Telefonu Normal Sesli moda getirmek için aşağıdaki kod satırını kullanın:\r\nTelefonModu.setRingerMode(AudioManager.RINGER_MODE_NORMAL);";
constexpr std::string_view kSesModuKt =
    "val TelefonModu = getSystemService(Context.AUDIO_SERVICE) as AudioManager\r\n"
    "\r\n"
    "//Telefonu Sessiz Moduna getirmek için aşağıdaki kod satırını kullanın:\r\n"
    "TelefonModu.ringerMode = AudioManager.RINGER_MODE_SILENT\r\n"
    "\r\n"
    "//Telefonu Titreşim Moduna getirmek için aşağıdaki kod satırını kullanın:\r\n"
    "TelefonModu.ringerMode = AudioManager.RINGER_MODE_VIBRATE\r\n"
    "\r\n"
    "//Telefonu Normal Sesli moda getirmek için aşağıdaki kod satırını kullanın:\r\n"
    "TelefonModu.ringerMode = AudioManager.RINGER_MODE_NORMAL";

constexpr std::string_view kVideoAcBasi =
    "startActivity(new Intent(Intent.ACTION_VIEW, Uri.parse(\"";
constexpr std::string_view kVideoAcSonu =
    "\")));";
constexpr std::string_view kVideoAcBasiKt =
    "startActivity(Intent(Intent.ACTION_VIEW, Uri.parse(\"";
constexpr std::string_view kVideoAcSonuKt =
    "\")))";

constexpr std::string_view kEkranBoyu =
    "int Yukseklik, Genislik;\r\nDisplayMetrics EkranCozunurlugu = new DisplayMetrics();\r\ngetWindowManager().getDefaultDisplay().getMetrics(EkranCozunurlugu);\r\nYukseklik = EkranCozunurlugu.heightPixels;\r\nGenislik = EkranCozunurlugu.widthPixels;";
constexpr std::string_view kEkranBoyuKt =
    "val EkranCozunurlugu = DisplayMetrics()\r\n"
    "windowManager.defaultDisplay.getMetrics(EkranCozunurlugu)\r\n"
    "val Yukseklik = EkranCozunurlugu.heightPixels\r\n"
    "val Genislik = EkranCozunurlugu.widthPixels";

// Panel "Kod Parçaları": device services.
constexpr std::string_view kWifiAcKapat =
    "// *** Öncelikle aşağıdaki 2 satırlık kısmı AndroidManifest.xml dosyasına yazıyoruz\r\n"
    "<uses-permission android:name=\"android.permission.ACCESS_WIFI_STATE\" />\r\n"
    "<uses-permission android:name=\"android.permission.CHANGE_WIFI_STATE\" />\r\n\r\n\r\n"
    "// *** Aşağıdaki tanımlamayı Activitynize ait Class'ın icine yaziyoruz\r\n"
    "WifiManager KablosuzNetwork = null;\r\n\r\n\r\n"
    "// *** Aşağıdaki kodu bir button click içerisinde kullanabilirsiniz\r\n// *** Temelde yaptığı şey wifi açık ise kapatıyor, kapalı ise açıyor\r\n"
    "try \r\n{\r\n"
    "KablosuzNetwork = (WifiManager) getSystemService(Context.WIFI_SERVICE);\r\n"
    "if (KablosuzNetwork.getWifiState() == WifiManager.WIFI_STATE_ENABLED) //Wifi Açık ise\r\n{\r\nKablosuzNetwork.setWifiEnabled(false); //Wifi Kapat\r\n}\r\n"
    "else\r\n{\r\nKablosuzNetwork.setWifiEnabled(true); //Wifi Aç\r\n}\r\n}\r\n"
    "catch (Exception e)\r\n{\r\n"
    "e.printStackTrace();\r\n}\r\n";
constexpr std::string_view kWifiAcKapatKt =
    "// *** Öncelikle aşağıdaki 2 satırlık kısmı AndroidManifest.xml dosyasına yazıyoruz\r\n"
    "/*\r\n"
    "<uses-permission android:name=\"android.permission.ACCESS_WIFI_STATE\" />\r\n"
    "<uses-permission android:name=\"android.permission.CHANGE_WIFI_STATE\" />\r\n"
    "*/\r\n"
    "\r\n"
    "\r\n"
    "// *** Aşağıdaki tanımlamayı Activitynize ait Class'ın icine yaziyoruz\r\n"
    "private lateinit var KablosuzNetwork: WifiManager\r\n"
    "\r\n"
    "\r\n"
    "// onCreate içinde:\r\n"
    "// *** Aşağıdaki kodu bir button click içerisinde kullanabilirsiniz\r\n"
    "// *** Temelde yaptığı şey wifi açık ise kapatıyor, kapalı ise açıyor\r\n"
    "try {\r\n"
    "    KablosuzNetwork = getSystemService(Context.WIFI_SERVICE) as WifiManager\r\n"
    "    if (KablosuzNetwork.wifiState == WifiManager.WIFI_STATE_ENABLED) { //Wifi Açık ise\r\n"
    "        KablosuzNetwork.setWifiEnabled(false) //Wifi Kapat\r\n"
    "    } else {\r\n"
    "        KablosuzNetwork.setWifiEnabled(true) //Wifi Aç\r\n"
    "    }\r\n"
    "} catch (e: Exception) {\r\n"
    "    e.printStackTrace()\r\n"
    "}\r\n";

constexpr std::string_view kTitresim =
    "// Öncelikle Titresim izni için AndroidManifest.xml dosyasına aşağıdaki satırı ekleyin\r\n"
    "<uses-permission android:name=\"android.permission.VIBRATE\"/>\r\n\r\n"
    "// Aşağıdaki tanımlama satırını Activity'nize ait Class'in içerisine tanımlayın\r\n"
    "Vibrator Titresim;\r\n\r\n"
    "// Aşağıdaki satırı void onCreate metodundaki setContentView(R.layout.activity_main); satırın hemen altına yazın\r\n"
    "Titresim = (Vibrator) getSystemService(Context.VIBRATOR_SERVICE);\r\n\r\n"
    "/* Mesela bir dugmeye bastiginizda */ Titresim.vibrate(300); // 300 milisaniye titret ve durdur\r\n\r\n"
    "// Ritmik bir şekilde çaldırmak için ise aşağıdaki kodu kullanmalısınız\r\n"
    "long[] TitresimRitmi = {0L,150L,300L,800L,350L,400L};\r\n"
    "Titresim.vibrate(TitresimRitmi,2); //NOT: sürekli tekrar eder, durdurmanız gerekiyor\r\n\r\n"
    "//Titreşimi durdurmak için ise aşağıdaki kodu kullanın\r\n"
    "Titresim.cancel();";
constexpr std::string_view kTitresimKt =
    "// Öncelikle Titresim izni için AndroidManifest.xml dosyasına aşağıdaki satırı ekleyin\r\n"
    "/*\r\n"
    "<uses-permission android:name=\"android.permission.VIBRATE\"/>\r\n"
    "*/\r\n"
    "\r\n"
    "// Aşağıdaki tanımlama satırını Activity'nize ait Class'in içerisine tanımlayın\r\n"
    "private lateinit var Titresim: Vibrator\r\n"
    "\r\n"
    "// onCreate içinde:\r\n"
    "// Aşağıdaki satırı onCreate metodundaki setContentView(R.layout.activity_main) satırın hemen altına yazın\r\n"
    "Titresim = getSystemService(Context.VIBRATOR_SERVICE) as Vibrator\r\n"
    "\r\n"
    "/* Mesela bir dugmeye bastiginizda */ Titresim.vibrate(300) // 300 milisaniye titret ve durdur\r\n"
    "\r\n"
    "// Ritmik bir şekilde çaldırmak için ise aşağıdaki kodu kullanmalısınız\r\n"
    "val TitresimRitmi = longArrayOf(0L, 150L, 300L, 800L, 350L, 400L)\r\n"
    "Titresim.vibrate(TitresimRitmi, 2) //NOT: sürekli tekrar eder, durdurmanız gerekiyor\r\n"
    "\r\n"
    "//Titreşimi durdurmak için ise aşağıdaki kodu kullanın\r\n"
    "Titresim.cancel()";

constexpr std::string_view kPilBilgisi =
    "//Aşağıdaki BroadcastReceiver'i Activitynize ait Class dosyasına yazın\r\n\r\nprivate BroadcastReceiver YayinAlici = new BroadcastReceiver()\r\n{\r\n public void onReceive(Context c, Intent i)\r\n {\r\n int PilSeviyesi = i.getIntExtra(\"level\", 0);\r\n /*ProgressBar progressBar1 = (ProgressBar)findViewById(R.id.progressBar1);\r\n progressBar1.setProgress(PilSeviyesi);*/\r\n"
    " }\r\n};\r\n\r\n\r\n//Aşağıdaki kodları onCreate metoduna yazın\r\nregisterReceiver(YayinAlici, new IntentFilter(Intent.ACTION_BATTERY_CHANGED));\r\n";
constexpr std::string_view kPilBilgisiKt =
    "//Aşağıdaki BroadcastReceiver'i Activitynize ait Class dosyasına yazın\r\n"
    "\r\n"
    "private val YayinAlici = object : BroadcastReceiver() {\r\n"
    "    override fun onReceive(c: Context, i: Intent) {\r\n"
    "        val PilSeviyesi = i.getIntExtra(\"level\", 0)\r\n"
    "        /*val progressBar1 = findViewById<ProgressBar>(R.id.progressBar1)\r\n"
    "        progressBar1.progress = PilSeviyesi*/\r\n"
    "    }\r\n"
    "}\r\n"
    "\r\n"
    "\r\n"
    "// onCreate içinde:\r\n"
    "//Aşağıdaki kodları onCreate metoduna yazın\r\n"
    "registerReceiver(YayinAlici, IntentFilter(Intent.ACTION_BATTERY_CHANGED))\r\n";

constexpr std::string_view kFotografCekme =
    "// *** Aşağıdaki satırı AndroidManifest.xml içerisine yazın (Kamera Kullanım İzni)\r\n\r\n"
    "<uses-feature android:name=\"android.hardware.camera\"></uses-feature>\r\n\r\n"
    "// *** Activitynize ait layout'ın içine birer adet ImageView ve Button ekleyin\r\n\r\n"
    "// *** Aşağıdaki ImageView tanımlamasını Activitynize ait Class içerisine yazıyoruz (onCreate metodunun üstünde olmalı)\r\n\r\n"
    "ImageView imageView1;\r\n\r\n"
    "// *** Aşağıdaki kodları onCreate metodunun içerisine yazıyoruz\r\n"
    "imageView1=(ImageView)findViewById(R.id.imageView);\r\n"
    "Button button1=(Button)findViewById(R.id.button1);\r\n"
    "button1.setOnClickListener(new OnClickListener()\r\n{\r\n"
    "public void onClick (View v)\r\n{\r\n"
    "Intent intent=new Intent(android.provider.MediaStore.ACTION_IMAGE_CAPTURE);\r\n"
    "startActivityForResult(intent,0);\r\n}\r\n});\r\n"
    "// *** Aşağıdaki metodu ise Activitymize ait Class içerisine fakat onCreate  metodunun altında kalacak şekilde ekliyoruz\r\n\r\n"
    "protected void onActivityResult(int IstekKodu, int SonucKodu,Intent data)\r\n{\r\n"
    "if (IstekKodu==0)\r\n{\r\n"
    "Bitmap Resim=(Bitmap)data.getExtras().get(\"data\");\r\n"
    "imageView1.setImageBitmap(Resim);\r\n}\r\n}\r\n";
constexpr std::string_view kFotografCekmeKt =
    "// *** Aşağıdaki satırı AndroidManifest.xml içerisine yazın (Kamera Kullanım İzni)\r\n"
    "/*\r\n"
    "<uses-feature android:name=\"android.hardware.camera\"></uses-feature>\r\n"
    "*/\r\n"
    "\r\n"
    "// *** Activitynize ait layout'ın içine birer adet ImageView ve Button ekleyin\r\n"
    "\r\n"
    "// *** Aşağıdaki ImageView tanımlamasını Activitynize ait Class içerisine yazıyoruz (onCreate metodunun üstünde olmalı)\r\n"
    "private lateinit var imageView1: ImageView\r\n"
    "\r\n"
    "// *** Aşağıdaki metodu ise Activitymize ait Class içerisine fakat onCreate  metodunun altında kalacak şekilde ekliyoruz\r\n"
    "override fun onActivityResult(IstekKodu: Int, SonucKodu: Int, data: Intent?) {\r\n"
    "    if (IstekKodu == 0) {\r\n"
    "        val Resim = data?.extras?.get(\"data\") as? Bitmap\r\n"
    "        imageView1.setImageBitmap(Resim)\r\n"
    "    }\r\n"
    "}\r\n"
    "\r\n"
    "// onCreate içinde:\r\n"
    "// *** Aşağıdaki kodları onCreate metodunun içerisine yazıyoruz\r\n"
    "imageView1 = findViewById(R.id.imageView)\r\n"
    "val button1 = findViewById<Button>(R.id.button1)\r\n"
    "button1.setOnClickListener {\r\n"
    "    val intent = Intent(android.provider.MediaStore.ACTION_IMAGE_CAPTURE)\r\n"
    "    startActivityForResult(intent, 0)\r\n"
    "}\r\n";

constexpr std::string_view kNumaraCevirme =
    "String Numara = \"tel:+90212XXXXXXX\";\r\nIntent Arama = new Intent(Intent.ACTION_DIAL, Uri.parse(Numara));\r\nstartActivity(Arama);\r\n\r\n//.ACTION_DIAL numarayı çevirir\r\n//.ACTION_CALL aramayı başlatır";
constexpr std::string_view kNumaraCevirmeKt =
    "val Numara = \"tel:+90212XXXXXXX\"\r\n"
    "val Arama = Intent(Intent.ACTION_DIAL, Uri.parse(Numara))\r\n"
    "startActivity(Arama)\r\n"
    "\r\n"
    "//.ACTION_DIAL numarayı çevirir\r\n"
    "//.ACTION_CALL aramayı başlatır";

constexpr std::string_view kEPostaBasi =
    "//Aşağıdaki kodları örneğin gönderim yapacak düğmenin onClick yordamına yazın\r\n\r\n"
    "Intent email = new Intent(Intent.ACTION_SEND);\r\n"
    "email.putExtra(Intent.EXTRA_EMAIL, new String[]{\"";
constexpr std::string_view kEPostaSonu =
    "\"});\r\n"
    "email.putExtra(Intent.EXTRA_SUBJECT, \"Konuyu buraya yazın\");\r\n"
    "email.putExtra(Intent.EXTRA_TEXT, \"E-Posta içeriğini buraya yazın\");\r\n"
    "email.setType(\"message/rfc822\");\r\n"
    "startActivity(Intent.createChooser(email, \"Bir e-Posta istemcisi seçin: \"));\r\n";
constexpr std::string_view kEPostaBasiKt =
    "//Aşağıdaki kodları örneğin gönderim yapacak düğmenin onClick yordamına yazın\r\n"
    "\r\n"
    "val email = Intent(Intent.ACTION_SEND)\r\n"
    "email.putExtra(Intent.EXTRA_EMAIL, arrayOf(\"";
constexpr std::string_view kEPostaSonuKt =
    "\"))\r\n"
    "email.putExtra(Intent.EXTRA_SUBJECT, \"Konuyu buraya yazın\")\r\n"
    "email.putExtra(Intent.EXTRA_TEXT, \"E-Posta içeriğini buraya yazın\")\r\n"
    "email.setType(\"message/rfc822\")\r\n"
    "startActivity(Intent.createChooser(email, \"Bir e-Posta istemcisi seçin: \"))\r\n";

constexpr std::string_view kSmsGonder =
    "//Öncelikle telefondan SMS atma izni için AndroidManifest.xml dosyasına aşağıdaki kod satırını ekleyin\r\n"
    "<uses-permission android:name=\"android.permission.SEND_SMS\" />\r\n\r\n"
    "//Aşağıdaki kodları mesela gönderim yapacak düğmenin onClick metoduna yazın\r\n"
    "String TelefonNumarasi = \"905XXXXXXXXX\";\r\n"
    "String SMS_MesajIcerigi = \"Mesaj içeriğini buraya yazın\";\r\n\r\n"
    "try\r\n{\r\n"
    "SmsManager SmsYonetici = SmsManager.getDefault();\r\n"
    "SmsYonetici.sendTextMessage(TelefonNumarasi, null, SMS_MesajIcerigi, null, null);\r\n"
    "Toast.makeText(getApplicationContext(), \"SMS Gönderildi...\", Toast.LENGTH_LONG).show();\r\n"
    "}\r\ncatch (Exception e)\r\n{\r\n"
    "Toast.makeText(getApplicationContext(),\"SMS Gönderimi başarısız, lütfen daha sonra tekrar deneyin\", Toast.LENGTH_LONG).show();\r\n}\r\n";
constexpr std::string_view kSmsGonderKt =
    "//Öncelikle telefondan SMS atma izni için AndroidManifest.xml dosyasına aşağıdaki kod satırını ekleyin\r\n"
    "/*\r\n"
    "<uses-permission android:name=\"android.permission.SEND_SMS\" />\r\n"
    "*/\r\n"
    "\r\n"
    "//Aşağıdaki kodları mesela gönderim yapacak düğmenin onClick metoduna yazın\r\n"
    "val TelefonNumarasi = \"905XXXXXXXXX\"\r\n"
    "val SMS_MesajIcerigi = \"Mesaj içeriğini buraya yazın\"\r\n"
    "\r\n"
    "try {\r\n"
    "    val SmsYonetici = SmsManager.getDefault()\r\n"
    "    SmsYonetici.sendTextMessage(TelefonNumarasi, null, SMS_MesajIcerigi, null, null)\r\n"
    "    Toast.makeText(applicationContext, \"SMS Gönderildi...\", Toast.LENGTH_LONG).show()\r\n"
    "} catch (e: Exception) {\r\n"
    "    Toast.makeText(applicationContext, \"SMS Gönderimi başarısız, lütfen daha sonra tekrar deneyin\", Toast.LENGTH_LONG).show()\r\n"
    "}\r\n";

// Panel "Kod Parçaları 2": information and checks.
constexpr std::string_view kTarihSaat =
    "//Aşağıdaki kod satırını Activitynize ait Classın içerisine yazın\r\n"
    "Time Tarih = new Time(Time.getCurrentTimezone());\r\n\r\n\r\n"
    "//Tarih biçimleri string veri tipine çevrilerek kullanıma hazır haldedir\r\n"
    "Tarih.setToNow();\r\n"
    "String Yil=(String.valueOf(Tarih.year));\r\n"
    "String Ay=(String.valueOf(Tarih.month)); //0 Ocak Ayı, 11 Aralık Ayı\r\n"
    "String Gun=(String.valueOf(Tarih.monthDay));\r\n"
    "String Saat=(String.valueOf(Tarih.hour));\r\n"
    "String Dakika=(String.valueOf(Tarih.minute));\r\n"
    "String Saniye=(String.valueOf(Tarih.second));\r\n"
    "String HaftaninKacinciGunu=(String.valueOf(Tarih.weekDay));\r\n"
    "String ZamanKusagi=(String.valueOf(Tarih.timezone));\r\n"
    "String GecerliSaat=(String.valueOf(Tarih.format(\"%k:%M:%S\")));\r\n";
constexpr std::string_view kTarihSaatKt =
    "//Aşağıdaki kod satırını Activitynize ait Classın içerisine yazın\r\n"
    "private val Tarih = Time(Time.getCurrentTimezone())\r\n"
    "\r\n"
    "\r\n"
    "// onCreate içinde:\r\n"
    "//Tarih biçimleri string veri tipine çevrilerek kullanıma hazır haldedir\r\n"
    "Tarih.setToNow()\r\n"
    "val Yil = Tarih.year.toString()\r\n"
    "val Ay = Tarih.month.toString() //0 Ocak Ayı, 11 Aralık Ayı\r\n"
    "val Gun = Tarih.monthDay.toString()\r\n"
    "val Saat = Tarih.hour.toString()\r\n"
    "val Dakika = Tarih.minute.toString()\r\n"
    "val Saniye = Tarih.second.toString()\r\n"
    "val HaftaninKacinciGunu = Tarih.weekDay.toString()\r\n"
    "val ZamanKusagi = Tarih.timezone\r\n"
    "val GecerliSaat = Tarih.format(\"%k:%M:%S\")\r\n";

constexpr std::string_view kFlashIsigi =
    "//Öncelikle AndroidManifest.xml dosyasına aşağıdaki gereken 2 izni ekleyin\r\n"
    "<uses-permission android:name=\"android.permission.CAMERA\" />\r\n"
    "<uses-feature android:name=\"android.hardware.camera\" />\r\n\r\n"
    "//Aşağıdaki 2 satırı import kısmına ekleyin\r\n"
    "import android.hardware.Camera;\r\n"
    "import android.hardware.Camera.Parameters;\r\n\r\n"
    "//Aşağıdaki satırı Activitynize ait Class içerisine yazın\r\n"
    "private Camera camera;\r\n\r\n"
    "//Aşağıdaki 2 satırı onCreate metodunun içerisine yazın\r\n"
    "camera = Camera.open();\r\n"
    "final Parameters p = camera.getParameters();\r\n\r\n"
    "//Flash ışığını açmak için:\r\n"
    "p.setFlashMode(Parameters.FLASH_MODE_TORCH);\r\n"
    "camera.setParameters(p);\r\n"
    "camera.startPreview();\r\n\r\n"
    "//Flash ışığını kapatmak için:\r\n"
    "p.setFlashMode(Parameters.FLASH_MODE_OFF);\r\n"
    "camera.setParameters(p);\r\n"
    "camera.stopPreview();\r\n";
constexpr std::string_view kFlashIsigiKt =
    "//Öncelikle AndroidManifest.xml dosyasına aşağıdaki gereken 2 izni ekleyin\r\n"
    "/*\r\n"
    "<uses-permission android:name=\"android.permission.CAMERA\" />\r\n"
    "<uses-feature android:name=\"android.hardware.camera\" />\r\n"
    "*/\r\n"
    "\r\n"
    "//Aşağıdaki satırı import kısmına ekleyin\r\n"
    "/*\r\n"
    "import android.hardware.Camera\r\n"
    "*/\r\n"
    "\r\n"
    "//Aşağıdaki satırı Activitynize ait Class içerisine yazın\r\n"
    "private lateinit var camera: Camera\r\n"
    "\r\n"
    "// onCreate içinde:\r\n"
    "//Aşağıdaki 2 satırı onCreate metodunun içerisine yazın\r\n"
    "camera = Camera.open()\r\n"
    "val p = camera.parameters\r\n"
    "\r\n"
    "//Flash ışığını açmak için:\r\n"
    "p.flashMode = Camera.Parameters.FLASH_MODE_TORCH\r\n"
    "camera.parameters = p\r\n"
    "camera.startPreview()\r\n"
    "\r\n"
    "//Flash ışığını kapatmak için:\r\n"
    "p.flashMode = Camera.Parameters.FLASH_MODE_OFF\r\n"
    "camera.parameters = p\r\n"
    "camera.stopPreview()\r\n";

constexpr std::string_view kYazitipiDegistirme =
    "//Mesela elimizde benimfontum.ttf adlı bir yazıtipi dosyası var ve bunu kullanmak istiyoruz\r\n"
    "//Öncelikle Eclipse projemize ağacında bulunan assets adlı klasöre sağ tıklayıp fonts adında yeni bir klasör oluşturun\r\n"
    "//Daha sonra benimfontum.ttf dosyasını Eclipse Projects dizinindeki projenizin assets/fonts adlı klasöre kopyalayın\r\n\r\n"
    "//Mesela bir textView'a ait fontu değiştirmek istediğimizde\r\n"
    "Typeface YTipi=Typeface.createFromAsset(getAssets(), \"fonts/benimfontum.ttf\");\r\n"
    "textView1.setTypeface(YTipi); \r\n";
constexpr std::string_view kYazitipiDegistirmeKt =
    "//Mesela elimizde benimfontum.ttf adlı bir yazıtipi dosyası var ve bunu kullanmak istiyoruz\r\n"
    "//Öncelikle Eclipse projemize ağacında bulunan assets adlı klasöre sağ tıklayıp fonts adında yeni bir klasör oluşturun\r\n"
    "//Daha sonra benimfontum.ttf dosyasını Eclipse Projects dizinindeki projenizin assets/fonts adlı klasöre kopyalayın\r\n"
    "\r\n"
    "//Mesela bir textView'a ait fontu değiştirmek istediğimizde\r\n"
    "val textView1 = findViewById<TextView>(R.id.textView1)\r\n"
    "val YTipi = Typeface.createFromAsset(assets, \"fonts/benimfontum.ttf\")\r\n"
    "textView1.typeface = YTipi\r\n";

constexpr std::string_view kCihazBilgisi =
    "//Aşağıdaki izni AndroidManifest.xml dosyasına yazın\r\n"
    "<uses-permission android:name=\"android.permission.READ_PHONE_STATE\"/>\r\n\r\n"
    "//Aşağıdaki bilgilerin String olarak dönen değerleri atanmıştır\r\n"
    "TelephonyManager TelefonYonetimi = (TelephonyManager) getSystemService(Context.TELEPHONY_SERVICE);\r\n"
    "String ImeiNumarasi = TelefonYonetimi.getDeviceId();\r\n"
    "String CihazAdi = android.os.Build.MODEL;\r\n"
    "String CihazOzetBilgisi = android.os.Build.FINGERPRINT;\r\n"
    "String IslemciTipi = android.os.Build.CPU_ABI;\r\n";
constexpr std::string_view kCihazBilgisiKt =
    "//Aşağıdaki izni AndroidManifest.xml dosyasına yazın\r\n"
    "/*\r\n"
    "<uses-permission android:name=\"android.permission.READ_PHONE_STATE\"/>\r\n"
    "*/\r\n"
    "\r\n"
    "//Aşağıdaki bilgilerin String olarak dönen değerleri atanmıştır\r\n"
    "val TelefonYonetimi = getSystemService(Context.TELEPHONY_SERVICE) as TelephonyManager\r\n"
    "val ImeiNumarasi: String? = TelefonYonetimi.deviceId\r\n"
    "val CihazAdi: String = android.os.Build.MODEL\r\n"
    "val CihazOzetBilgisi: String = android.os.Build.FINGERPRINT\r\n"
    "val IslemciTipi: String = android.os.Build.CPU_ABI\r\n";

constexpr std::string_view kSimkartBilgisi =
    "//Aşağıdaki izni AndroidManifest.xml dosyasına yazın\r\n"
    "<uses-permission android:name=\"android.permission.READ_PHONE_STATE\"/>\r\n\r\n"
    "//Aşağıdaki bilgilerin String olarak dönen değerleri atanmıştır\r\n"
    "TelephonyManager TelefonYonetimi = (TelephonyManager) getSystemService(Context.TELEPHONY_SERVICE);\r\n"
    "String SimKartOperatorAdi = TelefonYonetimi.getSimOperatorName();\r\n"
    "String SimKartUlkeKodu = TelefonYonetimi.getSimCountryIso();\r\n"
    "String SimKartSeriNumarasi = TelefonYonetimi.getSimSerialNumber();\r\n";
constexpr std::string_view kSimkartBilgisiKt =
    "//Aşağıdaki izni AndroidManifest.xml dosyasına yazın\r\n"
    "/*\r\n"
    "<uses-permission android:name=\"android.permission.READ_PHONE_STATE\"/>\r\n"
    "*/\r\n"
    "\r\n"
    "//Aşağıdaki bilgilerin String olarak dönen değerleri atanmıştır\r\n"
    "val TelefonYonetimi = getSystemService(Context.TELEPHONY_SERVICE) as TelephonyManager\r\n"
    "val SimKartOperatorAdi: String? = TelefonYonetimi.simOperatorName\r\n"
    "val SimKartUlkeKodu: String? = TelefonYonetimi.simCountryIso\r\n"
    "val SimKartSeriNumarasi: String? = TelefonYonetimi.simSerialNumber\r\n";

constexpr std::string_view kBellekBilgisi =
    "//Aşağıdaki fonksiyonları Activitynize ait Class içerisine yazın\r\n"
    "public int ToplamBellek()\r\n{\r\n"
    "StatFs statFs = new StatFs(Environment.getRootDirectory().getAbsolutePath());\r\n"
    "int Toplam = (statFs.getBlockCount() * statFs.getBlockSize()) / 1048576;\r\n"
    "return Toplam;\r\n}\r\n\r\n"
    "public int BosBellek()\r\n{\r\n"
    "StatFs statFs = new StatFs(Environment.getRootDirectory().getAbsolutePath());\r\n"
    "int Bos  = (statFs.getAvailableBlocks() * statFs.getBlockSize()) / 1048576;\r\n"
    "return Bos;\r\n}\r\n\r\n"
    "public int KullanilanBellek()\r\n{\r\n"
    "StatFs statFs = new StatFs(Environment.getRootDirectory().getAbsolutePath());\r\n"
    "int Toplam = (statFs.getBlockCount() * statFs.getBlockSize()) / 1048576;\r\n"
    "int Bos  = (statFs.getAvailableBlocks() * statFs.getBlockSize()) / 1048576;\r\n"
    "int Kullanilan  = Toplam - Bos;\r\n"
    "return Kullanilan;\r\n}\r\n\r\n\r\n"
    "//String olarak hazırlanmış okuma ataması, mesela bir buton içerisine yazılabilir\r\n"
    "String SToplamBellek=String.valueOf(ToplamBellek());\r\n"
    "String SBosBellek=String.valueOf(BosBellek());\r\n"
    "String SKullanilanBellek=String.valueOf(KullanilanBellek());\r\n";
constexpr std::string_view kBellekBilgisiKt =
    "//Aşağıdaki fonksiyonları Activitynize ait Class içerisine yazın\r\n"
    "fun ToplamBellek(): Long {\r\n"
    "    val statFs = StatFs(Environment.getRootDirectory().absolutePath)\r\n"
    "    val Toplam = (statFs.blockCountLong * statFs.blockSizeLong) / 1048576\r\n"
    "    return Toplam\r\n"
    "}\r\n"
    "\r\n"
    "fun BosBellek(): Long {\r\n"
    "    val statFs = StatFs(Environment.getRootDirectory().absolutePath)\r\n"
    "    val Bos = (statFs.availableBlocksLong * statFs.blockSizeLong) / 1048576\r\n"
    "    return Bos\r\n"
    "}\r\n"
    "\r\n"
    "fun KullanilanBellek(): Long {\r\n"
    "    val statFs = StatFs(Environment.getRootDirectory().absolutePath)\r\n"
    "    val Toplam = (statFs.blockCountLong * statFs.blockSizeLong) / 1048576\r\n"
    "    val Bos = (statFs.availableBlocksLong * statFs.blockSizeLong) / 1048576\r\n"
    "    val Kullanilan = Toplam - Bos\r\n"
    "    return Kullanilan\r\n"
    "}\r\n"
    "\r\n"
    "\r\n"
    "// onCreate içinde:\r\n"
    "//String olarak hazırlanmış okuma ataması, mesela bir buton içerisine yazılabilir\r\n"
    "val SToplamBellek = ToplamBellek().toString()\r\n"
    "val SBosBellek = BosBellek().toString()\r\n"
    "val SKullanilanBellek = KullanilanBellek().toString()\r\n";

constexpr std::string_view kInterneteBaglimiyim =
    "//Bağlantı durumunu kontrol etmemiz için aşağıdaki 2 izni AndroidManifest.xml dosyasına tanımlamamız gerekiyor\r\n"
    "<uses-permission android:name=\"android.permission.INTERNET\" />\r\n"
    "<uses-permission android:name=\"android.permission.ACCESS_NETWORK_STATE\" />\r\n\r\n"
    "//Aşağıdaki kodları uygun bir yere yazıp deneyebilirsiniz\r\n"
    "ConnectivityManager BaglantiYoneticisi =(ConnectivityManager) getSystemService(Context.CONNECTIVITY_SERVICE);\r\n"
    "NetworkInfo Baglimi = BaglantiYoneticisi.getActiveNetworkInfo();\r\n"
    "if (Baglimi != null && Baglimi.isConnectedOrConnecting())\r\n{\r\n"
    "Toast.makeText(FormActivity.this, \"Şuanda İnternete Bağlısınız\", Toast.LENGTH_SHORT).show();\r\n}\r\nelse\r\n{\r\n"
    "Toast.makeText(FormActivity.this, \"İnternet Bağlantısı bulunamadı\", Toast.LENGTH_SHORT).show();\r\n}\r\n";
constexpr std::string_view kInterneteBaglimiyimKt =
    "//Bağlantı durumunu kontrol etmemiz için aşağıdaki 2 izni AndroidManifest.xml dosyasına tanımlamamız gerekiyor\r\n"
    "/*\r\n"
    "<uses-permission android:name=\"android.permission.INTERNET\" />\r\n"
    "<uses-permission android:name=\"android.permission.ACCESS_NETWORK_STATE\" />\r\n"
    "*/\r\n"
    "\r\n"
    "//Aşağıdaki kodları uygun bir yere yazıp deneyebilirsiniz\r\n"
    "val BaglantiYoneticisi = getSystemService(Context.CONNECTIVITY_SERVICE) as ConnectivityManager\r\n"
    "val Baglimi = BaglantiYoneticisi.activeNetworkInfo\r\n"
    "if (Baglimi != null && Baglimi.isConnectedOrConnecting) {\r\n"
    "    Toast.makeText(this, \"Şuanda İnternete Bağlısınız\", Toast.LENGTH_SHORT).show()\r\n"
    "} else {\r\n"
    "    Toast.makeText(this, \"İnternet Bağlantısı bulunamadı\", Toast.LENGTH_SHORT).show()\r\n"
    "}\r\n";

// clang-format on

std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view p : parts) text += p;
    return text;
}

const std::array<Snippet, 21>& rows() {
    static const std::string videoAc = joined({kVideoAcBasi, kSampleVideoAddress, kVideoAcSonu});
    static const std::string ePosta = joined({kEPostaBasi, kSampleMailRecipient, kEPostaSonu});
    static const std::string videoAcKt =
        joined({kVideoAcBasiKt, kSampleVideoAddress, kVideoAcSonuKt});
    static const std::string ePostaKt =
        joined({kEPostaBasiKt, kSampleMailRecipient, kEPostaSonuKt});
    // clang-format off
    static const std::array<Snippet, 21> table{{
        {"KPBtn01", "Tam Ekran", "fullscreen", kTamEkran, kTamEkranKt},
        {"KPBtn02", "Yatay Dikey", "orientation", kYatayDikey, kYatayDikeyKt},
        {"KPBtn04", "İvme Sensör", "sensor", kIvmeSensor, kIvmeSensorKt},
        {"KPBtn06", "Ses Çal", "sound", kSesCal, kSesCalKt},
        {"KPBtn115", "Ses Modu", "soundmode", kSesModu, kSesModuKt},
        {"KPBtn07", "Video Aç", "video", videoAc, videoAcKt},
        {"KPBtn114", "Ekran Boyu", "screensize", kEkranBoyu, kEkranBoyuKt},
        {"KPBtn08", "WiFi Aç-Kapat", "wifi", kWifiAcKapat, kWifiAcKapatKt},
        {"KPBtn09", "Titreşim", "vibrate", kTitresim, kTitresimKt},
        {"KPBtn10", "Pil Bilgisi", "battery", kPilBilgisi, kPilBilgisiKt},
        {"KPBtn11", "Fotoğraf Çekme", "camera", kFotografCekme, kFotografCekmeKt},
        {"KPBtn12", "Numara Çevirme", "dial", kNumaraCevirme, kNumaraCevirmeKt},
        {"EPOSTA_GONDER", "E-Posta Gönder", "email", ePosta, ePostaKt},
        {"SMS_KIMLIK", "SMS Gönder", "sms", kSmsGonder, kSmsGonderKt},
        {"KP_TARIHSAAT", "Tarih Saat", "datetime", kTarihSaat, kTarihSaatKt},
        {"KP_FLASHLAMBASI", "Flash Işığı", "flash", kFlashIsigi, kFlashIsigiKt},
        // The element name is historical: this is the font snippet, there is no barcode one.
        {"KP_BARKOD", "Yazıtipi Değiştirme", "font", kYazitipiDegistirme, kYazitipiDegistirmeKt},
        {"KP_CIHAZBILGILERI", "Cihaz Bilgisi", "device", kCihazBilgisi, kCihazBilgisiKt},
        {"KP_SIMBILGILERI", "Simkart Bilgisi", "sim", kSimkartBilgisi, kSimkartBilgisiKt},
        {"KP_BELLEKBILGILERI", "Bellek Bilgisi", "memory", kBellekBilgisi, kBellekBilgisiKt},
        {"KP_INTERNETEBAGLIMIYIM", "İnternete Bağlımıyım", "network", kInterneteBaglimiyim, kInterneteBaglimiyimKt},
    }};
    // clang-format on
    return table;
}

}  // namespace

std::span<const Snippet> snippetCatalogue() {
    return rows();
}

const Snippet* findSnippet(std::string_view elementOrLabel) {
    for (const Snippet& s : rows())
        if (s.element == elementOrLabel || s.label == elementOrLabel) return &s;
    return nullptr;
}

}  // namespace nakkas
