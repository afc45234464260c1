private lateinit var button1: Button
// onCreate içinde:
button1 = findViewById(R.id.button1)
button1.setOnClickListener {
    // Tiklandiginda yapılacaklari buraya yazin
    // NOT: Nesneyi button1. yazarak kullanacaksınız
}
