val progress_degisken2 = findViewById<ProgressBar>(R.id.progressBar2)

//Bu nesne aşağıdaki gibi kontrol edilebilir.
//progress_degisken2.max = 1000 ile En fazla nekadar olduğu belirlenir
//progress_degisken2.progress = 10 ile nekadarının dolu olacağı kararlaştırılır.