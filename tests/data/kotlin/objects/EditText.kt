private lateinit var edit_degisken1: EditText
// onCreate içinde:
edit_degisken1 = findViewById(R.id.editText1)
edit_degisken1.addTextChangedListener(object : TextWatcher {
    override fun afterTextChanged(yazi: Editable?) {
        // Yazı kutusu içerisine birşeyler yazıldığında olmasını istediklerinizi buraya yazın
    }

    override fun beforeTextChanged(yazi: CharSequence?, baslangic: Int, toplami: Int, sonra: Int) {} //Diğer Metod
    override fun onTextChanged(yazi: CharSequence?, baslangic: Int, once: Int, toplami: Int) {} //Diğer Metod
})