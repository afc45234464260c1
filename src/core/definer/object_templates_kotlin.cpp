#include "definer/object_templates.h"

namespace nakkas::objects {

namespace {

// The Kotlin twins of the Java texts, written the way a Kotlin developer writes them today with
// the Android framework alone:
// - "final" and "--Boş--" give a local val, since nothing reassigns the view; "public",
//   "private" and "protected" give a lateinit member (public needs no word), "static" a
//   lateinit member of the companion object. A member is declared above the marker line and
//   bound in onCreate below it.
// - Listeners with one method are lambdas; those with several are `object :` expressions.
//   Parameters the user is likely to read keep a name, the rest are `_`.
// - The list items are Kotlin string literals joined by the list item creator.
// - Every Turkish comment of the Java text stays where its line still exists. The code shown
//   inside comments is Kotlin, and the ProgressBar and VideoView hints name the variable itself
//   (the isPlaying check is a statement of its own, not the tail of a comment).

constexpr Piece kClickHead[] = {
    variable,
    {".setOnClickListener {\r\n"},
    {"    // Tiklandiginda yapılacaklari buraya yazin\r\n"},
};
constexpr Piece kClickTail[] = {{"}"}};

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
    {".isChecked = true veya if ("},
    variable,
    {".isChecked)\r\n"},
};
constexpr Piece kToggleNote[] = {
    {"    // NOT: Nesneyi "},
    variable,
    {". yazarak kullanacaksınız\r\n"},
    {"    // Örneğin: "},
    variable,
    {".text = \"Açık\" veya if ("},
    variable,
    {".isChecked)\r\n"},
};
constexpr Piece kImageNote[] = {
    {"    // NOT: Nesneye "},
    variable,
    {".setImageResource(R.drawable.ic_launcher) yazarak resim yüklenir.\r\n"},
};

constexpr Piece kProgressBar[] = {
    {"//Bu nesne aşağıdaki gibi kontrol edilebilir.\r\n"},
    {"//"},
    variable,
    {".max = 1000 ile En fazla nekadar olduğu belirlenir\r\n"},
    {"//"},
    variable,
    {".progress = 10 ile nekadarının dolu olacağı kararlaştırılır."},
};

constexpr Piece kSpinner[] = {
    {"val elemanDizisi = arrayOf("},
    listItems,
    {")\r\n"},
    {"val baglayici = ArrayAdapter(this, android.R.layout.simple_spinner_item, elemanDizisi)\r\n"},
    {"baglayici.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item)\r\n"},
    variable,
    {".adapter = baglayici\r\n\r\n"},
    {"//Olay ve Tetikleme Mekanizmesı;\r\n"},
    variable,
    {".onItemSelectedListener = object : AdapterView.OnItemSelectedListener {\r\n"},
    {"    override fun onItemSelected(parent: AdapterView<*>?, view: View?, pos: Int, id: Long) "
     "{\r\n"},
    {"        // Kullanıcı listeden birşey seçtiğinde olmasını istediğiniz şeyleri buraya "
     "yazın\r\n"},
    {"    }\r\n"},
    {"\r\n"},
    {"    override fun onNothingSelected(parent: AdapterView<*>?) {}\r\n"},
    {"}"},
};

constexpr Piece kListView[] = {
    {"val elemanDizisi = arrayOf("},
    listItems,
    {")\r\n"},
    {"val baglayici = ArrayAdapter(this, android.R.layout.simple_list_item_1, elemanDizisi)\r\n"},
    {"baglayici.setDropDownViewResource(android.R.layout.simple_list_item_1)\r\n"},
    variable,
    {".adapter = baglayici\r\n\r\n"},
    {"//Olay ve Tetikleme Mekanizmesı;\r\n"},
    variable,
    {".setOnItemClickListener { _, view, pos, id ->\r\n"},
    {"    // Kullanıcı listeden birşey seçtiğinde olmasını istediğiniz şeyleri buraya yazın\r\n"},
    {"    Toast.makeText(applicationContext, \"Seçiminiz: ${(view as TextView).text}\", "
     "Toast.LENGTH_SHORT).show() //Örnek Okuma\r\n"},
    {"}"},
};

constexpr Piece kGridView[] = {
    {"val hucreler = arrayOf("},
    listItems,
    {")\r\n"},
    {"val baglayici = ArrayAdapter(this, android.R.layout.simple_list_item_1, hucreler)\r\n"},
    variable,
    {".adapter = baglayici\r\n"},
    variable,
    {".setOnItemClickListener { _, view, position, id ->\r\n"},
    {"    // Tıklandiginda olacak işlemleri buraya yazın\r\n"},
    {"    Toast.makeText(applicationContext, (view as TextView).text, Toast.LENGTH_SHORT).show() "
     "//Örnek Hücre Okuma\r\n"},
    {"}"},
};

constexpr Piece kEditText[] = {
    variable,
    {".addTextChangedListener(object : TextWatcher {\r\n"},
    {"    override fun afterTextChanged(yazi: Editable?) {\r\n"},
    {"        // Yazı kutusu içerisine birşeyler yazıldığında olmasını istediklerinizi buraya "
     "yazın\r\n"},
    {"    }\r\n"},
    {"\r\n"},
    {"    override fun beforeTextChanged(yazi: CharSequence?, baslangic: Int, toplami: Int, "
     "sonra: Int) {} //Diğer Metod\r\n"},
    {"    override fun onTextChanged(yazi: CharSequence?, baslangic: Int, once: Int, toplami: "
     "Int) {} //Diğer Metod\r\n"},
    {"})"},
};

constexpr Piece kWebView[] = {
    {"\r\n"},
    {"//Tanımlı bu objeyi aşağıdaki gibi kullanabilirsiniz\r\n"},
    {"//NOT: AndroidManifest.xml içerisinde İnternet Erişim izni vermeyi unutmayın\r\n"},
    variable,
    {".settings.javaScriptEnabled = true  //JavaScript Kodları çalışabilir\r\n"},
    variable,
    {".loadUrl(\""},
    webAddress,
    {"\") //Siteye git\r\n"},
};

constexpr Piece kVideoView[] = {
    {"\r\n"},
    {"//Projenin res klasörünün içerisine raw adlı bir klasör oluşturulur ve içerisine\r\n"},
    {"//Çalıştırılacak dosya atılır mesela \"videodosyam.3gp\" şeklinde klasöre atılır\r\n"},
    {"//Alt satırda R.raw.videodosyam şeklinde belirtmişim. Uzantı kullanılmaz sadece dosya adı "
     "olur\r\n"},
    {"val videoYolu = Uri.parse(\""},
    videoAddress,
    {"${R.raw.videodosyam}\")\r\n"},
    variable,
    {".setVideoURI(videoYolu)\r\n\r\n"},
    {"// Videoyu oynatmak için aşağıdaki 2 satırlık kod yeterlidir\r\n"},
    variable,
    {".requestFocus()\r\n"},
    variable,
    {".start()\r\n\r\n"},
    {"// Videoyunun Oynayıp oynamadığını kontrol etmek için ise;\r\n"},
    {"val oynuyormu = "},
    variable,
    {".isPlaying //Dönen değer true ise evet oynuyor anlamında\r\n\r\n"},
    {"// Videoyu durdurmak için ise aşağıdaki kodlar kullanılır\r\n"},
    variable,
    {".stopPlayback()\r\n"},
    variable,
    {".clearFocus()\r\n"},
};

constexpr Piece kSeekBar[] = {
    {"\r\n"},
    variable,
    {".setOnSeekBarChangeListener(object : SeekBar.OnSeekBarChangeListener {\r\n"},
    {"    override fun onProgressChanged(sbCubuk: SeekBar?, deger: Int, kullanici: Boolean) {\r\n"},
    {"        //Sürgü hareket ettirildiğinde olmasını istediklerinizi buraya yazın\r\n"},
    {"    }\r\n"},
    {"\r\n"},
    {"    override fun onStartTrackingTouch(sbCubuk: SeekBar?) { /*Kullanıcı sürgüye barmağıyla "
     "dokunduğunda olacak olayları buraya yazın*/ }\r\n"},
    {"    override fun onStopTrackingTouch(sbCubuk: SeekBar?) { /*Kullanıcı parmağını sürgüden "
     "çektiğinde olacak olayları buraya yazın*/ }\r\n"},
    {"})"},
};

// The Java text names the callback's first parameter after the variable; a lambda would shadow
// the view with it, so it stays unnamed.
constexpr Piece kRatingBar[] = {
    variable,
    {".setOnRatingBarChangeListener { _, rating, fromUser ->\r\n"},
    {"    // Rating değiştiğinde olacak olayrarı buraya yazın\r\n"},
    {"}"},
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
    {"datePicker", false, {}},
}};

constexpr Piece kLocal[] = {
    {"val "}, variable, {" = findViewById<"}, className, {">("}, idReference, {")\r\n"},
};
constexpr Piece kMember[] = {
    memberIndent, visibility, {"lateinit var "}, variable, {": "}, className, {"\r\n"},
};
constexpr Piece kBinding[] = {variable, {" = findViewById("}, idReference, {")\r\n"}};

// "final" and "--Boş--" are not listed: they give a local.
constexpr AccessHome kHomes[] = {
    {"public", Home::Member, ""},
    {"private", Home::Member, "private "},
    {"protected", Home::Member, "protected "},
    {"static", Home::Companion, ""},
};

}  // namespace

const Templates& kotlinTemplates() {
    static const Templates templates{
        .objects = kObjects,
        .local = kLocal,
        .member = kMember,
        .binding = kBinding,
        .homes = kHomes,
        .companionOpen = "companion object {\r\n",
        .companionIndent = "    ",
        .companionCloseAndMarker = "}\r\n// onCreate içinde:\r\n",
        .onCreateMarker = "// onCreate içinde:\r\n",
    };
    return templates;
}

}  // namespace nakkas::objects
