// Menu Olusturma Kodlari buradan basliyor
override fun onCreateOptionsMenu(menu: Menu): Boolean {
    menuInflater.inflate(R.layout.zep_menu, menu)
    return true
}

override fun onOptionsItemSelected(item: MenuItem): Boolean {
    when (item.itemId) {
        R.id.zep1_menu -> {
            // Menu ismi 1 isimli menuye basildiginda olacak olaylari buraya yazin
            return true
        }
        R.id.zep2_menu -> {
            // "Çıkış" isimli menuye basildiginda olacak olaylari buraya yazin
            return true
        }
    }
    return super.onOptionsItemSelected(item)
}
//Menu Olusturma kodu burada bitti
// onCreate içinde:
