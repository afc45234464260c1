#include "definer/object_templates.h"

namespace nakkas::objects {

namespace {

// The seven click-listener entries share this frame; only the note lines between head and tail
// differ.
constexpr Piece kClickHead[] = {
    variable,    {".setOnClickListener(new OnClickListener()\r\n"},
    {"{\r\n"},   {"  public void onClick(View V)\r\n"},
    {"  {\r\n"}, {"    // Tiklandiginda yapılacaklari buraya yazin\r\n"},
};
constexpr Piece kClickTail[] = {
    {"  }\r\n"},
    {"});"},
};

constexpr Piece kUseNote[] = {
    {"    // NOT: Nesneyi "},
    variable,
    {". yazarak kullanacaksınız\r\n"},
};
constexpr Piece kCheckedNote[] = {
    {"    // NOT: Nesneyi "},
    variable,
    {". yazarak kullanacaksınız\r\n"},
    {"    // Örneğin: "},
    variable,
    {".setChecked(true); veya if("},
    variable,
    {".isChecked()==true)\r\n"},
};
constexpr Piece kToggleNote[] = {
    {"    // NOT: Nesneyi "},
    variable,
    {". yazarak kullanacaksınız\r\n"},
    {"    // Örneğin: "},
    variable,
    {".setText('Açık'); veya if("},
    variable,
    {".isChecked()==true)\r\n"},
};
constexpr Piece kImageNote[] = {
    {"    // NOT: Nesneye "},
    variable,
    {".setImageResource(R.drawable.ic_launcher); yazarak resim yüklenir.\r\n"},
};

// The comment names progressBar1 whatever the variable is called: these lines are a fixed hint.
constexpr Piece kProgressBar[] = {
    {"//Bu nesne aşağıdaki gibi kontrol edilebilir.\r\n"},
    {"//progressBar1.setMax(1000); ile En fazla nekadar olduğu belirlenir\r\n"},
    {"//progressBar1.setProgress(10); ile nekadarının dolu olacağı kararlaştırılır."},
};

constexpr Piece kSpinner[] = {
    {"String[] ElemanDizisi={"},
    listItems,
    {"};\r\n"},
    {"ArrayAdapter<String> Baglayici = new ArrayAdapter<String> (this, "
     "android.R.layout.simple_spinner_item,ElemanDizisi);\r\n"},
    {"Baglayici.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);\r\n"},
    variable,
    {".setAdapter(Baglayici);\r\n\r\n"},
    {"//Olay ve Tetikleme Mekanizmesı;\r\n"},
    variable,
    {".setOnItemSelectedListener(new OnItemSelectedListener()\r\n"},
    {"{\r\n"},
    {"public void onItemSelected(AdapterView<?> parent, View view, int pos, long id)\r\n"},
    {" {\r\n"},
    {"  // Kullanıcı listeden birşey seçtiğinde olmasını istediğiniz şeyleri buraya yazın\r\n"},
    {" }\r\n"},
    {"public void onNothingSelected(AdapterView<?> arg0)\r\n"},
    {" {  } } );"},
};

constexpr Piece kListView[] = {
    {"String[] ElemanDizisi={"},
    listItems,
    {"};\r\n"},
    {"ArrayAdapter<String> Baglayici = new ArrayAdapter<String> (this, "
     "android.R.layout.simple_list_item_1,ElemanDizisi);\r\n"},
    {"Baglayici.setDropDownViewResource(android.R.layout.simple_list_item_1);\r\n"},
    variable,
    {".setAdapter(Baglayici);\r\n\r\n"},
    {"//Olay ve Tetikleme Mekanizmesı;\r\n"},
    variable,
    {".setOnItemClickListener(new OnItemClickListener()\r\n"},
    {"{\r\n"},
    {"public void onItemClick(AdapterView<?> parent, View V, int pos, long id)\r\n"},
    {" {\r\n"},
    {"  // Kullanıcı listeden birşey seçtiğinde olmasını istediğiniz şeyleri buraya yazın\r\n"},
    {"  Toast.makeText(getApplicationContext(),\"Seçiminiz: \"+((TextView) V).getText(), "
     "Toast.LENGTH_SHORT).show(); //Örnek Okuma\r\n"},
    {" }\r\n"},
    {"} );"},
};

constexpr Piece kGridView[] = {
    {"final String[] Hucreler = new String[] { "},
    listItems,
    {" } ;\r\n"},
    {"ArrayAdapter<String> Baglayici = new ArrayAdapter<String>(this, "
     "android.R.layout.simple_list_item_1, Hucreler);\r\n"},
    variable,
    {".setAdapter(Baglayici);\r\n"},
    variable,
    {".setOnItemClickListener(new OnItemClickListener()\r\n"},
    {"{\r\n"},
    {"  public void onItemClick(AdapterView<?> parent, View V, int position, long id)\r\n"},
    {"  {\r\n"},
    {"   // Tıklandiginda olacak işlemleri buraya yazın\r\n"},
    {"   Toast.makeText(getApplicationContext(),((TextView) V).getText(), "
     "Toast.LENGTH_SHORT).show(); //Örnek Hücre Okuma\r\n"},
    {"   }\r\n"},
    {"});"},
};

constexpr Piece kEditText[] = {
    variable,
    {".addTextChangedListener(new TextWatcher()\r\n"},
    {"{\r\n"},
    {"  public void afterTextChanged(Editable Yazi)\r\n"},
    {"  {\r\n"},
    {"    // Yazı kutusu içerisine birşeyler yazıldığında olmasını istediklerinizi buraya "
     "yazın\r\n"},
    {"  }\r\n"},
    {"public void beforeTextChanged(CharSequence Yazi, int Baslangic, int Taplami, int Sonra){} "
     "//Diğer Metod\r\n"},
    {"public void onTextChanged(CharSequence Yazi, int Baslangic, int Once, int Toplami){} //Diğer "
     "Metod\r\n"},
    {"});"},
};

constexpr Piece kWebView[] = {
    {"\r\n"},
    {"//Tanımlı bu objeyi aşağıdaki gibi kullanabilirsiniz\r\n"},
    {"//NOT: AndroidManifest.xml içerisinde İnternet Erişim izni vermeyi unutmayın\r\n"},
    variable,
    {".getSettings().setJavaScriptEnabled(true);  //JavaScript Kodları çalışabilir\r\n"},
    variable,
    {".loadUrl(\""},
    webAddress,
    {"\"); //Siteye git\r\n"},
};

// The isPlaying line follows the comment that opens it without a break, so the statement ends
// up inside that comment; kept as it is written.
constexpr Piece kVideoView[] = {
    {"\r\n"},
    {"//Projenin res klasörünün içerisine raw adlı bir klasör oluşturulur ve içerisine\r\n"},
    {"//Çalıştırılacak dosya atılır mesela \"videodosyam.3gp\" şeklinde klasöre atılır\r\n"},
    {"//Alt satırda R.raw.videodosyam şeklinde belirtmişim. Uzantı kullanılmaz sadece dosya adı "
     "olur\r\n"},
    {"Uri VideoYolu = Uri.parse(\""},
    videoAddress,
    {"\" + R.raw.videodosyam);\r\n"},
    variable,
    {".setVideoURI(VideoYolu);\r\n\r\n"},
    {"// Videoyu oynatmak için aşağıdaki 2 satırlık kod yeterlidir\r\n"},
    variable,
    {".requestFocus();\r\n"},
    variable,
    {".start();\r\n\r\n"},
    {"// Videoyunun Oynayıp oynamadığını kontrol etmek için ise;"},
    {"boolean Oynuyormu = videoView.isPlaying(); //Dönen değer true ise evet oynuyor "
     "anlamında\r\n\r\n"},
    {"// Videoyu durdurmak için ise aşağıdaki kodlar kullanılır\r\n"},
    variable,
    {".stopPlayback();\r\n"},
    variable,
    {".clearFocus();\r\n"},
};

constexpr Piece kSeekBar[] = {
    {"\r\n"},
    variable,
    {".setOnSeekBarChangeListener( new OnSeekBarChangeListener()\r\n"},
    {"{\r\n"},
    {"public void onProgressChanged(SeekBar SbCubuk, int Deger,boolean Kullanici)\r\n"},
    {" {\r\n"},
    {"  //Sürgü hareket ettirildiğinde olmasını istediklerinizi buraya yazın\r\n"},
    {" }\r\n"},
    {"public void onStartTrackingTouch(SeekBar SbCubuk)\r\n"},
    {" { /*Kullanıcı sürgüye barmağıyla dokunduğunda olacak olayları buraya yazın*/ }\r\n"},
    {"public void onStopTrackingTouch(SeekBar SbCubuk)\r\n"},
    {" { /*Kullanıcı parmağını sürgüden çektiğinde olacak olayları buraya yazın*/ }\r\n"},
    {"});"},
};

constexpr Piece kRatingBar[] = {
    variable,    {".setOnRatingBarChangeListener(new OnRatingBarChangeListener()\r\n"},
    {"{\r\n"},   {"  public void onRatingChanged(RatingBar "},
    variable,    {", float rating, boolean fromUser)\r\n"},
    {"  {\r\n"}, {"    // Rating değiştiğinde olacak olayrarı buraya yazın\r\n"},
    {"  }\r\n"}, {"});"},
};

const std::array<ObjectText, 17> kObjects{{
    {"textView", false, {kClickHead, kUseNote, kClickTail}},
    {"button", false, {kClickHead, kUseNote, kClickTail}},
    {"imageButton", false, {kClickHead, kUseNote, kClickTail}},
    {"checkBox", false, {kClickHead, kCheckedNote, kClickTail}},
    {"radioButton", false, {kClickHead, kCheckedNote, kClickTail}},
    {"toggle", false, {kClickHead, kToggleNote, kClickTail}},
    {"imageView", false, {kClickHead, kImageNote, kClickTail}},
    {"progressBar", true, {kProgressBar}},
    {"spinner", false, {kSpinner}},
    {"listView", false, {kListView}},
    {"gridView", false, {kGridView}},
    {"editText", false, {kEditText}},
    {"webView", false, {kWebView}},
    {"videoView", false, {kVideoView}},
    {"seekBar", false, {kSeekBar}},
    {"ratingBar", false, {kRatingBar}},
    {"datePicker", false, {}},  // no listener block, so its box has no effect
}};

// The declaration names the view's class: the catalogue's Android class, or the layout's own.
constexpr Piece kLocal[] = {access,   {" "},     className,           {" "},       variable,
                            {" = ("}, className, {") findViewById("}, idReference, {");\r\n"}};

}  // namespace

const Templates& javaTemplates() {
    static const Templates templates{.objects = kObjects, .local = kLocal};
    return templates;
}

}  // namespace nakkas::objects
