val seek_degisken1 = findViewById<SeekBar>(R.id.seekBar1)

seek_degisken1.setOnSeekBarChangeListener(object : SeekBar.OnSeekBarChangeListener {
    override fun onProgressChanged(sbCubuk: SeekBar?, deger: Int, kullanici: Boolean) {
        //Sürgü hareket ettirildiğinde olmasını istediklerinizi buraya yazın
    }

    override fun onStartTrackingTouch(sbCubuk: SeekBar?) { /*Kullanıcı sürgüye barmağıyla dokunduğunda olacak olayları buraya yazın*/ }
    override fun onStopTrackingTouch(sbCubuk: SeekBar?) { /*Kullanıcı parmağını sürgüden çektiğinde olacak olayları buraya yazın*/ }
})