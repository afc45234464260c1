val seekBar1 = findViewById<SeekBar>(R.id.seekBar1)

seekBar1.setOnSeekBarChangeListener(object : SeekBar.OnSeekBarChangeListener {
    override fun onProgressChanged(SbCubuk: SeekBar, Deger: Int, Kullanici: Boolean) {
        //Sürgü hareket ettirildiğinde olmasını istediklerinizi buraya yazın
    }

    override fun onStartTrackingTouch(SbCubuk: SeekBar) { /*Kullanıcı sürgüye dokunduğunda*/ }

    override fun onStopTrackingTouch(SbCubuk: SeekBar) { /*Kullanıcı parmağını çektiğinde*/ }
})
